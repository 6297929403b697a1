#pragma once

#include <windows.h>

#include <cstdint>

#include "messenger/messenger_channel.h"

// The messenger's status dialog, driven through the handles of messenger_windows: what the player
// saves from it and every message with which it writes, selects and applies a status.

// Combo box index of the messenger's music status picture.
constexpr std::int32_t music_picture = 11;

// Both halves of the apply click: left button held, at (1, 1) inside the apply panel.
constexpr WPARAM apply_click_w_param = MK_LBUTTON;
constexpr LPARAM apply_click_l_param = 0x00010001;

// Room for a saved text, terminator included; the messenger cuts longer texts to fit.
constexpr int saved_text_size = 255;

struct saved_status_record {
  wchar_t saved_bottom_text[saved_text_size];
  wchar_t saved_top_text[saved_text_size];
  std::int32_t saved_picture;  // -1 when nothing was selected
};

extern saved_status_record saved_status;

// Reads both edits and the selected picture into saved_status; a text cut to fit ends on a whole
// character. When the messenger stops answering, saved_status keeps what it held before and no
// further message is sent.
messenger_result save_status();

// CB_SETCURSEL to the picture combo box; the restores pass an lParam of their own.
messenger_result select_picture(std::int32_t index, LPARAM l_param = 0);

// WM_SETTEXT of a NUL-terminated UTF-16 text to one of the dialog's edits.
messenger_result write_text(HWND edit, const wchar_t *text);

// Presses and releases the apply panel; the release is not sent when the press was not answered.
messenger_result apply_status();
