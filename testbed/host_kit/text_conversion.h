#pragma once

#include <windows.h>

#include <string>

// UTF-8 in the stand-ins and tests, UTF-16 at the system's calls; converted by the system's own
// converters, independently of the component's, so that a mistake on either side shows up as
// different text.
std::wstring wide_from_utf8(const std::string &text);
std::string utf8_from_wide(const std::wstring &text);

// A window's text (a control's contents, a window's caption) whole, whatever its length.
std::wstring window_text(HWND window);
