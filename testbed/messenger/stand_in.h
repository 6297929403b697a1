#pragma once

#include <windows.h>

#include <string>

#include "options.h"

// The stand-in messenger's windows and state; one instance per process, used on its one thread.

struct published_status {
  int picture;
  std::wstring top_text;
  std::wstring bottom_text;
};

struct stand_in_windows {
  HWND main_form;
  HWND list_panel;  // shows the published status
  HWND status_bar;  // the main form's last panel, with the status spot at its right end
  HWND status_form;
  HWND cancel_panel;
  HWND apply_panel;
  HWND combo;        // none with --no-picture-box
  HWND bottom_edit;  // first edit met in the dialog
  HWND middle_edit;  // only with three edits
  HWND top_edit;     // last edit met; none with one edit
};

extern options settings;
extern stand_in_windows windows;
extern published_status published;

extern const wchar_t *const picture_names[];
constexpr int picture_count = 13;

std::wstring picture_name(int picture);

// Window classes under the messenger's own names.
bool register_window_classes(HINSTANCE instance);

HWND create_main_form(HINSTANCE instance);
HWND create_status_form(HINSTANCE instance);

// True when a point in the status bar's client area hits the status spot.
bool in_status_spot(HWND status_bar, POINT point);

// The dialog's controls come into being at the first status click (or at start when asked).
void create_status_controls();
// A program that opens the dialog closes it again at once; only a person's click puts it on screen,
// or a program's on a slow messenger (--slow-open).
void open_status_dialog(bool on_screen);
// Picks the picture and writes the texts into whichever of the boxes the dialog has.
void put_into_dialog(const published_status &status);
// Hiding waits for the window system, so it is done after the message at hand has been answered,
// or at once by finish_closing.
void close_status_dialog();
void finish_closing();
// OK: what the dialog holds becomes the published status, and the dialog closes.
void publish_status();
// Cancel and the close box: the dialog shows the published status again, and closes.
void cancel_status_dialog();

LRESULT CALLBACK main_form_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
LRESULT CALLBACK status_form_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
LRESULT CALLBACK panel_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param);

// As a messenger on a slow network: what another program's click did is shown at once, and only
// the answer to it comes `milliseconds` late, the messenger handling no other message meanwhile.
void answer_late(DWORD milliseconds);

// Answers the control messages (quit, hang, the slow answers); true when the message was one of them.
bool handle_control_message(UINT message, WPARAM w_param);
// Does what a user's command (user_command.h) asks; false for a request that is none.
bool carry_out_user_command(const COPYDATASTRUCT &request);
