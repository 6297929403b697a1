#include "bare_announcement.h"

#include <windows.h>

#include <cstdint>

#include "bare_discovery.h"
#include "window_process.h"

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

// Into room for the limit and a little more, as the status is read before it is written.
void read_text(HWND edit) {
  static wchar_t text[4096 + 3];
  send(edit, WM_GETTEXT, 4096 + 3, reinterpret_cast<LPARAM>(text));
}

// The windows found before, each still a window of the messenger's process.
void check_still_there(const messenger_window_table &found) {
  const DWORD process = process_of(found.status_form);
  for (HWND window : {found.main_form, found.main_panel, found.status_form, found.status_panel,
                      found.status_combo, found.bottom_edit, found.top_edit}) {
    if (window != nullptr && IsWindow(window) && process_of(window) != process) return;
  }
}

// As the component keeps what it owes the messenger: a record of about this size written whole
// under a temporary name, then put in the place of the old one, in the application data folder.
void keep_record() {
  static wchar_t path[MAX_PATH + 32];
  static wchar_t temporary[MAX_PATH + 40];
  static const std::uint8_t record[256] = {2};
  if (path[0] == 0) {
    GetEnvironmentVariableW(L"APPDATA", path, MAX_PATH);
    lstrcatW(path, L"\\bare-announcement.status");
    lstrcpyW(temporary, path);
    lstrcatW(temporary, L".new");
  }
  const HANDLE file =
      CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, record, sizeof record, &written, nullptr);
  CloseHandle(file);
  MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING);
}

std::wstring text_of(HWND edit) {
  wchar_t text[4096] = {};
  SendMessageW(edit, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  return text;
}

}  // namespace

void bare_announcement(const published_texts &texts) {
  static const messenger_window_table found = find_windows();
  check_still_there(found);
  for (HWND control : {found.bottom_edit, found.top_edit, found.status_combo, found.status_panel})
    IsWindow(control);
  IsWindowVisible(found.status_form);
  read_text(found.bottom_edit);
  read_text(found.top_edit);
  send(found.status_combo, CB_GETCURSEL, 0, 0);
  keep_record();
  send(found.status_combo, CB_SETCURSEL, music_picture, 0);
  send(found.bottom_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts.bottom.c_str()));
  send(found.top_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts.top.c_str()));
  send(found.status_panel, WM_LBUTTONDOWN, MK_LBUTTON, click_point);
  send(found.status_panel, WM_LBUTTONUP, MK_LBUTTON, click_point);
  keep_record();
}

published_texts texts_on_display() {
  const messenger_window_table found = find_windows();
  return {text_of(found.bottom_edit), text_of(found.top_edit)};
}
