#pragma once

#include <string>

// Everything the player prints goes through here, so that a terminal and a program reading the
// output both get whole lines of readable text (readable_output.h says how).
void print_text(const std::string &utf8);
void print_error_text(const std::string &utf8);
// printf's formats, printed as print_text prints.
void say(const char *format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));

// True when the commands come from the console the output goes to: the console shows what is
// typed there itself. Otherwise (a pipe, a script file, output through `tee`) the player shows each
// command it takes, so that the output reads as the session it was.
bool console_shows_typing();
