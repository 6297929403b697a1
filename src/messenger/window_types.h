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
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM SC_CLOSE = 0xF060;
#endif
