#pragma once

// The two functions of the player's own library shared.dll that the preferences page uses,
// imported by name (the import library comes from shared_dll.def).

#include <windows.h>

#include "support/string_base.h"

// Sets the control's text from UTF-8.
extern "C" __declspec(dllimport) BOOL
    __stdcall uSetDlgItemText(HWND dialog, UINT control_id, const char *text);

// Replaces `out` with the window's text as UTF-8.
extern "C" __declspec(dllimport) BOOL __stdcall uGetWindowText(HWND window, pfc::string_base &out);
