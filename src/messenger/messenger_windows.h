#pragma once

#include "messenger/messenger_channel.h"

// The messenger's windows, found by their class names. The handles belong to the messenger and may
// go stale at any moment: a message to a window that is gone is simply lost, and only where a lost
// answer would do harm (the apply panel at discovery, the status controls before the dialog is used) is a
// handle checked first.
struct messenger_window_table {
  HWND main_form;     // top-level "TMainForm"
  HWND main_panel;    // last "TPanel" under the main form: clicked to open the status dialog
  HWND status_form;   // top-level "TCusForm", the status dialog
  HWND status_panel;  // last "TPanel" of the dialog with a caption of 1 or 2 characters: applies it
  HWND status_combo;  // last "TComboBox" of the dialog: the status picture
  HWND bottom_edit;   // first "TEdit" of the dialog
  HWND top_edit;      // last "TEdit" of the dialog
};

// What discovery found; only discovery and the reset change it.
extern const messenger_window_table &messenger_windows;

// The process that the table's status dialog belongs to; 0 when there is none.
DWORD status_dialog_process();

void reset_messenger_windows();

// Fills the table afresh from the top of the window order. The status dialog is the first "TCusForm"
// of `preferred_process` when that process still has one, else the first of any; the main window is
// the "TMainForm" of the same process, so that the two never belong to different messengers. Opens
// the status dialog once when its apply panel is missing. Stops at the first message the messenger
// does not answer, or whose window went.
messenger_result find_messenger_windows(DWORD preferred_process = 0);

// The status dialog that discovery would take: the first "TCusForm" of `preferred_process` when that
// process has one, else the first of any; null when no messenger runs. Asks the messenger nothing.
HWND find_status_form(DWORD preferred_process);

// True while every window of the table is there, belongs to `process` and has the class it was found
// by, the status dialog and its apply panel among them: the table found before still holds, and no
// other program has taken a handle or the process id of a messenger gone. Asks the messenger nothing.
bool messenger_windows_still_there(DWORD process);

// The window is there, belongs to `process` and has the class: the messenger's window it was.
bool is_messenger_window(HWND window, DWORD process, const char *window_class);

bool is_valid_window(HWND window);

// What discovery makes of each descendant of the two forms. The status form's takes a
// messenger_result, sets it to not_responding and ends the walk when a panel does not answer.
bool classify_main_child(HWND window, void *unused);
bool classify_status_child(HWND window, void *result);

// Clicks the status spot of the main form's panel, which makes the messenger create the dialog's
// controls and put the dialog on the screen, then closes the dialog again. The close follows the
// clicks even when one of them, or the close itself, went unanswered: handed over without waiting,
// it is handled after them, so the dialog never stays on the screen. Without a main window's panel there is
// nothing to click, and nothing is sent.
messenger_result open_status_dialog();

// The lParam of the opening clicks: 15 pixels below the panel's top and 15 pixels left of its right
// end, measured from the main form's left edge.
LPARAM opening_click_point(const RECT &main_form, const RECT &main_panel);
