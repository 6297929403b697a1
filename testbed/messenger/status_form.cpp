#include "message_log.h"
#include "stand_in.h"
#include "text_conversion.h"
#include "text_lines.h"

namespace {

constexpr int label_left = 12;
constexpr int field_left = 96;
constexpr int field_width = 240;
constexpr int row_height = 34;
constexpr UINT hide_request = WM_APP + 1;

bool closing = false;  // a hide_request is on its way

// With a picture box, the edits start on the second row.
int first_edit_row() { return settings.picture_box ? 1 : 0; }

HFONT dialog_font() {
  static const HFONT font =
      CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Tahoma");
  return font;
}

HWND create_control(const wchar_t *window_class, const wchar_t *text, DWORD style, int x, int y, int width,
                    int height, const wchar_t *role) {
  const HWND control = CreateWindowExW(window_class == std::wstring(L"TEdit") ? WS_EX_CLIENTEDGE : 0,
                                       window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                       windows.status_form, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_font()), FALSE);
  if (role != nullptr) {
    name_window(control, role);
  }
  return control;
}

HWND create_edit(int row, const wchar_t *label, const wchar_t *role) {
  const int y = 10 + row * row_height;
  create_control(L"STATIC", label, 0, label_left, y + 4, field_left - label_left, 20, nullptr);
  return create_control(L"TEdit", L"", WS_TABSTOP | ES_AUTOHSCROLL, field_left, y, field_width, 24, role);
}

}  // namespace

void put_into_dialog(const published_status &status) {
  if (windows.combo != nullptr) {
    SendMessageW(windows.combo, CB_SETCURSEL, static_cast<WPARAM>(status.picture), 0);
  }
  if (windows.top_edit != nullptr) {
    SetWindowTextW(windows.top_edit, status.top_text.c_str());
  }
  SetWindowTextW(windows.bottom_edit, status.bottom_text.c_str());
}

HWND create_status_form(HINSTANCE instance) {
  const int rows = first_edit_row() + settings.edit_count + 1;
  RECT frame = {0, 0, field_left + field_width + 14, 10 + rows * row_height + 6};
  AdjustWindowRectEx(&frame, WS_CAPTION | WS_SYSMENU, FALSE, 0);
  windows.status_form = CreateWindowExW(0, L"TCusForm", L"Status", WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                                        420, 80, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                        nullptr, instance, nullptr);
  name_window(windows.status_form, L"status_form");
  return windows.status_form;
}

void create_status_controls() {
  if (windows.apply_panel != nullptr) {
    return;
  }
  // The order of creation is the order in which other programs meet the controls: the first edit
  // is the bottom one, the last edit the top one.
  const int top_row = first_edit_row();
  const int bottom_row = top_row + settings.edit_count - 1;
  windows.bottom_edit = create_edit(bottom_row, L"Status text:", L"bottom_edit");
  if (settings.edit_count == 3) {
    windows.middle_edit = create_edit(top_row + 1, L"Note:", L"middle_edit");
  }
  if (settings.edit_count > 1) {
    windows.top_edit = create_edit(top_row, L"Top line:", L"top_edit");
  }
  if (settings.picture_box) {
    create_control(L"STATIC", L"Picture:", 0, label_left, 14, field_left - label_left, 20, nullptr);
    windows.combo = create_control(L"TComboBox", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, field_left,
                                   10, field_width, 300, L"status_combo");
    for (int picture = 0; picture < picture_count; ++picture) {
      SendMessageW(windows.combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(picture_names[picture]));
    }
  }
  put_into_dialog(published);

  const int buttons_y = 10 + (bottom_row + 1) * row_height;
  windows.cancel_panel = create_control(L"TPanel", L"Cancel", 0, field_left + field_width - 180, buttons_y,
                                        84, 26, L"cancel_panel");
  windows.apply_panel =
      create_control(L"TPanel", L"OK", 0, field_left + field_width - 84, buttons_y, 84, 26, L"status_panel");
}

void open_status_dialog(bool on_screen) {
  create_status_controls();
  if (on_screen) {
    // A close still on its way was meant for the dialog before this opening.
    closing = false;
    ShowWindow(windows.status_form, SW_SHOWNORMAL);
  }
}

void close_status_dialog() {
  if (IsWindowVisible(windows.status_form) && !closing) {
    closing = true;
    PostMessageW(windows.status_form, hide_request, 0, 0);
  }
}

void finish_closing() {
  if (closing) {
    closing = false;
    ShowWindow(windows.status_form, SW_HIDE);
  }
}

void publish_status() {
  // Without a picture box or a top edit, the status has no picture and no top text.
  published.picture =
      windows.combo != nullptr ? static_cast<int>(SendMessageW(windows.combo, CB_GETCURSEL, 0, 0)) : -1;
  published.top_text = windows.top_edit != nullptr ? window_text(windows.top_edit) : L"";
  published.bottom_text = window_text(windows.bottom_edit);
  close_status_dialog();
  if (windows.main_form != nullptr) {
    InvalidateRect(windows.list_panel, nullptr, TRUE);
    InvalidateRect(windows.status_bar, nullptr, TRUE);
  }
  if (!settings.status_log.empty()) {
    append_line(settings.status_log,
                log_line({std::to_wstring(published.picture), published.top_text, published.bottom_text}));
  }
}

void cancel_status_dialog() {
  // Before the first opening there are no controls to put the status back into.
  if (windows.bottom_edit != nullptr) {
    put_into_dialog(published);
  }
  close_status_dialog();
}

LRESULT CALLBACK status_form_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  const handled_message handling(window, message, w_param, l_param);
  if (handling.request_given_up() || handle_control_message(message, w_param)) return 0;
  switch (message) {
    case WM_COPYDATA:
      return carry_out_user_command(*reinterpret_cast<const COPYDATASTRUCT *>(l_param)) ? 1 : 0;
    case WM_CLOSE:
      // Closing only hides the dialog: the messenger keeps its status form for as long as it runs.
      cancel_status_dialog();
      return 0;
    case hide_request:
      finish_closing();
      return 0;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(w_param), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
      return DefWindowProcW(window, message, w_param, l_param);
  }
}
