#include "bare_announcement.h"

#include <windows.h>

#include "bare_discovery.h"

namespace {

constexpr UINT answer_wait_ms = 2000;
constexpr WPARAM music_picture = 11;
constexpr LPARAM click_point = 0x00010001;

LRESULT send(HWND target, UINT message, WPARAM w_param, LPARAM l_param) {
  DWORD_PTR value = 0;
  SendMessageTimeoutW(target, message, w_param, l_param, SMTO_NORMAL | SMTO_ABORTIFHUNG, answer_wait_ms,
                      &value);
  return static_cast<LRESULT>(value);
}

DWORD process_of(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// As the component finds them once it knows the messenger's process: each form is looked up and
// its process compared with the known one, and both are asked for their process once more (the
// dialog's to name the instance, the main window's to check that it belongs to it).
messenger_window_table find_windows() {
  messenger_window_table found = {};
  found.status_form = FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr);
  if (found.status_form == nullptr) return found;
  process_of(found.status_form);
  const DWORD process = process_of(found.status_form);
  const HWND main_form = FindWindowExW(nullptr, nullptr, L"TMainForm", nullptr);
  if (main_form != nullptr) process_of(main_form);
  if (main_form != nullptr && process_of(main_form) == process) found.main_form = main_form;
  bare_children_of_forms(found);
  IsWindow(found.status_panel);
  return found;
}

// The length first, then the text, as the status is read before it is written.
void read_text(HWND edit) {
  wchar_t text[4096 + 3] = {};
  const LRESULT length = send(edit, WM_GETTEXTLENGTH, 0, 0);
  send(edit, WM_GETTEXT, static_cast<WPARAM>(length < 4098 ? length : 4098) + 1,
       reinterpret_cast<LPARAM>(text));
}

std::wstring text_of(HWND edit) {
  wchar_t text[4096] = {};
  SendMessageW(edit, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  return text;
}

}  // namespace

void bare_announcement(const published_texts &texts) {
  FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr);
  const messenger_window_table found = find_windows();
  // The component notes the messenger's process once the windows are found.
  process_of(found.status_form);
  for (HWND control : {found.bottom_edit, found.top_edit, found.status_combo, found.status_panel})
    IsWindow(control);
  IsWindowVisible(found.status_form);
  read_text(found.bottom_edit);
  read_text(found.top_edit);
  send(found.status_combo, CB_GETCURSEL, 0, 0);
  send(found.status_combo, CB_SETCURSEL, music_picture, 0);
  send(found.bottom_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts.bottom.c_str()));
  send(found.top_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts.top.c_str()));
  send(found.status_panel, WM_LBUTTONDOWN, MK_LBUTTON, click_point);
  send(found.status_panel, WM_LBUTTONUP, MK_LBUTTON, click_point);
}

published_texts texts_on_display() {
  const messenger_window_table found = find_windows();
  return {text_of(found.bottom_edit), text_of(found.top_edit)};
}
