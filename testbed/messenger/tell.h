#pragma once

#include <windows.h>

#include <string>

// A GUI program has no console of its own: the text goes to the console it was started from (or
// to the standard handles it was given), else into a message box. `failure` picks standard error.
void tell(const std::wstring &text, bool failure);

// A system error code in the system's words, without the final full stop.
std::wstring error_text(DWORD code);
