#include "messenger/messenger_windows.h"

namespace {

struct window_message {
  HWND target;
  UINT message;
  WPARAM w_param;
  LPARAM l_param;
};

// A rectangle that cannot be read (no window, or a destroyed one) counts as empty.
RECT screen_rect(HWND window) {
  RECT rect = {};
  if (!the_window_system().window_rect(window, rect)) {
    rect = {};
  }
  return rect;
}

}  // namespace

LPARAM opening_click_point(const RECT &main_form, const RECT &main_panel) {
  const LONG x = main_panel.right - main_form.left - 15;
  const LONG y = 15;
  return static_cast<LPARAM>((static_cast<DWORD>(y) << 16) | (static_cast<DWORD>(x) & 0xFFFF));
}

messenger_result open_status_dialog() {
  const LPARAM point = opening_click_point(screen_rect(messenger_windows.main_form),
                                           screen_rect(messenger_windows.main_panel));
  const HWND panel = messenger_windows.main_panel;
  if (!is_valid_window(panel)) return messenger_result::completed;
  const window_message clicks[] = {
      {panel, WM_LBUTTONDBLCLK, MK_LBUTTON, point},
      {panel, WM_LBUTTONDBLCLK, MK_LBUTTON, point},
      {panel, WM_LBUTTONDOWN, MK_LBUTTON, point},
      {panel, WM_LBUTTONUP, MK_LBUTTON, point},
  };
  const HWND status_form = messenger_windows.status_form;
  for (const window_message &click : clicks) {
    const messenger_result clicked =
        result_of(send_to_messenger(click.target, click.message, click.w_param, click.l_param));
    if (clicked != messenger_result::completed) {
      // The click may still open the dialog, now or once the messenger is free: the close goes
      // after it.
      the_window_system().notify(status_form, WM_SYSCOMMAND, SC_CLOSE, 0);
      return clicked;
    }
  }
  const messenger_result closed = result_of(send_to_messenger(status_form, WM_SYSCOMMAND, SC_CLOSE, 0));
  // Wine takes back a message whose wait ran out, Windows delivers it later: handed over again, the
  // close comes either way (a second one finds the dialog closed).
  if (closed == messenger_result::not_responding)
    the_window_system().notify(status_form, WM_SYSCOMMAND, SC_CLOSE, 0);
  return closed;
}
