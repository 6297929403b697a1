#pragma once

#include <cstdint>

#include "messenger/messenger_channel.h"
#include "messenger/messenger_windows.h"
#include "support/wide_string.h"

// The messenger's status dialog, driven through the handles of messenger_windows: reading what it
// shows, and every message with which it writes, selects and applies a status.

// Combo box index of the messenger's music status picture.
constexpr std::int32_t music_picture = 11;

// Both halves of the apply click: left button held, at (1, 1) inside the apply panel.
constexpr WPARAM apply_click_w_param = MK_LBUTTON;
constexpr LPARAM apply_click_l_param = 0x00010001;

// What the dialog shows: its picture (-1 when none is selected) and both texts, and whether a text
// was longer than the component keeps and came cut.
struct shown_status {
  std::int32_t picture = 0;
  pfc::wide_string bottom;
  pfc::wide_string top;
  bool cut = false;
};

// The controls a status needs to be read, written and applied whole.
enum status_control : unsigned {
  bottom_edit_control = 1,
  top_edit_control = 2,
  picture_box_control = 4,
  apply_panel_control = 8,
};

// Those the table lacks, or whose windows are gone; 0 when the dialog has them all.
unsigned missing_status_controls(const messenger_window_table &windows = messenger_windows);

// True while the dialog is on the screen, where its user may be typing.
bool status_dialog_on_screen();

// Reads the bottom text, the top text and the picture, in that order: three messages, each text
// into room for the limit and a little more, without asking its length first. A text of up to
// pfc::status_text_limit units is read whole; a longer one is cut at a whole character. When the
// messenger stops answering, `shown` is left as it was.
messenger_result read_status(shown_status &shown);

// CB_SETCURSEL to the picture combo box; the restores pass an lParam of their own.
messenger_result select_picture(std::int32_t index, LPARAM l_param = 0);

// WM_SETTEXT of a NUL-terminated UTF-16 text to one of the dialog's edits.
messenger_result write_text(HWND edit, const pfc::wide_char *text);

// The apply click, press then release; the release publishes, so a caller may still stop between
// the two. Without waiting, the release is handed over, followed by a probe whose answer says the
// release was handled; unanswered, the release may still be handled once the messenger is free.
enum class release_wait { answer, none };
messenger_result press_apply();
messenger_result release_apply(release_wait wait);
