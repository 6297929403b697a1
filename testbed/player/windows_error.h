#pragma once

#include <string>

// A Windows error code in words: the player's own for the codes met when loading a component, the
// system's text for the others; the number follows in parentheses, for looking it up.
std::string windows_error_text(unsigned long code);
