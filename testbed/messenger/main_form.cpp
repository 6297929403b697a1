#include "message_log.h"
#include "stand_in.h"

namespace {

constexpr int status_bar_height = 30;

void lay_out(HWND main_form) {
  RECT client = {};
  GetClientRect(main_form, &client);
  MoveWindow(windows.list_panel, 0, 0, client.right, client.bottom - status_bar_height, TRUE);
  MoveWindow(windows.status_bar, 0, client.bottom - status_bar_height, client.right, status_bar_height, TRUE);
}

HWND create_panel(HWND parent, const wchar_t *role) {
  const HWND panel = CreateWindowExW(0, L"TPanel", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                     parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  name_window(panel, role);
  return panel;
}

}  // namespace

HWND create_main_form(HINSTANCE instance) {
  windows.main_form = CreateWindowExW(0, L"TMainForm", L"QIP stand-in", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                      40, 40, 360, 440, nullptr, nullptr, instance, nullptr);
  if (windows.main_form == nullptr) {
    return nullptr;
  }
  name_window(windows.main_form, L"main_form");
  // Children are enumerated in the order they were made: the status bar must be the last panel.
  windows.list_panel = create_panel(windows.main_form, L"list_panel");
  windows.status_bar = create_panel(windows.main_form, L"main_panel");
  lay_out(windows.main_form);
  ShowWindow(windows.main_form, SW_SHOWNORMAL);
  UpdateWindow(windows.main_form);
  return windows.main_form;
}

bool in_status_spot(HWND status_bar, POINT point) {
  RECT client = {};
  GetClientRect(status_bar, &client);
  // The spot is centred 15 pixels from the right end and the top; the frame of the main form may
  // shift the clicked point by a few pixels, so the whole right end of the bar counts.
  return point.x >= client.right - 30 && point.x < client.right + 15 && point.y >= 0 && point.y < 30;
}

LRESULT CALLBACK main_form_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  const handled_message handling(window, message, w_param, l_param);
  if (handling.request_given_up() || handle_control_message(message, w_param)) return 0;
  switch (message) {
    case WM_SIZE:
      lay_out(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, w_param, l_param);
  }
}
