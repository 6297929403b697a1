#pragma once

#include <string>

// One announcement as a bare loop makes it, once the status dialog is known: the same Win32 calls
// and the same messages to the same windows as the component, in the same order, without the
// component. The running check (FindWindowExW for "TCusForm"); finding the windows: FindWindowExW
// for "TCusForm" and "TMainForm", GetWindowThreadProcessId as often as the component asks it,
// EnumChildWindows with GetClassNameA over each form's children, the caption-length questions to
// the status form's panels (twice for a panel with a caption), IsWindow of the apply panel; the
// checks of the four controls (IsWindow) and of the dialog (IsWindowVisible); reading both texts
// (length, then text) and the picture; then publishing: CB_SETCURSEL, two WM_SETTEXT and the apply
// press and release. Every message goes by SendMessageTimeoutW with the component's flags and wait.
struct published_texts {
  std::wstring bottom;
  std::wstring top;
};

void bare_announcement(const published_texts &texts);

// What the messenger's two edits show now.
published_texts texts_on_display();
