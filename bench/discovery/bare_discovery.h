#pragma once

#include "messenger/messenger_windows.h"

// The windows that discovery finds, found by the same window system calls in a bare loop: the
// status form of `process` and then its main form by FindWindowExW and GetWindowThreadProcessId,
// every descendant of both forms through EnumChildWindows, its class name by GetClassNameA compared
// byte for byte, a panel of the dialog asked for its caption length by SendMessageTimeoutW (once for
// each bound), and IsWindow on the apply panel found. False when the dialog had no apply panel: the
// component would open the dialog then, which the benchmark leaves out.
bool bare_discovery(messenger_window_table &found, DWORD process);

// The part of it that walks the two forms already in `found`: the main form's last "TPanel", and
// the dialog's apply panel, edits and picture box.
void bare_children_of_forms(messenger_window_table &found);
