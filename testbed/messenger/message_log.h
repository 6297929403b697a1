#pragma once

#include <windows.h>

#include <string>

// Records the messages that other programs send to the stand-in's windows, as a conformance test's
// message recorder would: which window, the message, both parameters and the text of WM_SETTEXT.
void start_message_log(const std::wstring &path);
void name_window(HWND window, const wchar_t *role);
void record_message(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
