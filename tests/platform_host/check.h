#pragma once

#include "support/sizes.h"

// The host's checks: each failed one prints a line naming the behaviour; the program's verdict
// and exit code come from the count.

void check(bool passed, const char *behaviour);
void check_text(const char *actual, const char *expected, const char *behaviour);
void check_number(t_size actual, t_size expected, const char *behaviour);

t_size failed_checks();

// One line on the standard output.
void print_line(const char *text);
