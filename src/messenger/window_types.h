#pragma once

// The window system's types and the messages the component sends, with their Win32 names and
// values: the real ones on Windows, the same shapes elsewhere, where a simulated world stands in
// for the window system.

#include "boundary/boundary.h"

#ifndef _WIN32
#include <cstdint>

using UINT = unsigned int;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;

struct RECT {
  LONG left, top, right, bottom;
};

// Probing, the edits' texts, closing a window.
constexpr UINT WM_NULL = 0x0000, WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D, WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr WPARAM SC_CLOSE = 0xF060;
// The picture box.
constexpr UINT CB_GETCURSEL = 0x0147, CB_SETCURSEL = 0x014E;
// Clicks on the panels.
constexpr UINT WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203;
constexpr WPARAM MK_LBUTTON = 0x0001;
#endif
