#pragma once

#include <string>

// One announcement as a bare loop makes it, while the track texts stay on display: the same Win32
// calls and the same messages to the same windows as the component, without the component. Finding
// the windows: FindWindowExW for "TMainForm" and "TCusForm", EnumChildWindows with GetClassNameA
// over each form's children, the caption-length questions to the status form's panels (twice for a
// panel with a caption, as the component asks), IsWindow of the apply panel; the running check
// (FindWindowExW) and the instance check (GetWindowThreadProcessId); then publishing: CB_SETCURSEL,
// two WM_SETTEXT and the apply press and release. Every message goes by SendMessageTimeoutW with
// the component's flags and wait.
struct published_texts {
  std::wstring bottom;
  std::wstring top;
};

void bare_announcement(const published_texts &texts);

// What the messenger's two edits show now.
published_texts texts_on_display();
