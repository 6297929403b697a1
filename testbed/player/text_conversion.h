#pragma once

#include <string>

// UTF-8 inside the player, UTF-16 at the system's calls.
std::wstring wide_from_utf8(const std::string &text);
std::string utf8_from_wide(const std::wstring &text);
