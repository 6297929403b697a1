#pragma once

#include <string>

// One announcement as a bare loop makes it, once the messenger's windows are known: the same Win32
// calls and the same messages to the same windows as the component, in the same order, without the
// component. The check that the windows found before are there (IsWindow and
// GetWindowThreadProcessId of each), the checks of the four controls (IsWindow) and of the dialog
// (IsWindowVisible); reading both texts (into room for 4,098 units, without asking their length)
// and the picture; then publishing: CB_SETCURSEL, two WM_SETTEXT and the apply press and release.
// Every message goes by SendMessageTimeoutW with the component's flags and wait. Before the writes
// and after the release, a record of what is owed is written to a file as the component writes
// its own (under a temporary name, then renamed). The windows are found once, at the first
// announcement, as the component finds them.
struct published_texts {
  std::wstring bottom;
  std::wstring top;
};

void bare_announcement(const published_texts &texts);

// What the messenger's two edits show now.
published_texts texts_on_display();
