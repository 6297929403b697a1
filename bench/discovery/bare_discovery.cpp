#include "bare_discovery.h"

#include <cstring>

#include "window_process.h"

namespace {

bool class_is(const char (&name)[256], const char *expected) { return std::strcmp(name, expected) == 0; }

bool read_class(HWND window, char (&name)[256]) { return GetClassNameA(window, name, 255) != 0; }

LRESULT caption_length(HWND panel) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(panel, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, messenger_answer_wait_ms,
                      &length);
  return static_cast<LRESULT>(length);
}

BOOL CALLBACK main_child(HWND window, LPARAM found) {
  char name[256];
  if (read_class(window, name) && class_is(name, "TPanel")) {
    reinterpret_cast<messenger_window_table *>(found)->main_panel = window;
  }
  return TRUE;
}

BOOL CALLBACK status_child(HWND window, LPARAM found_address) {
  auto &found = *reinterpret_cast<messenger_window_table *>(found_address);
  char name[256];
  if (!read_class(window, name)) return TRUE;
  if (class_is(name, "TPanel")) {
    if (caption_length(window) > 0 && caption_length(window) < 3) found.status_panel = window;
  } else if (class_is(name, "TEdit")) {
    (found.bottom_edit == nullptr ? found.bottom_edit : found.top_edit) = window;
  } else if (class_is(name, "TComboBox")) {
    found.status_combo = window;
  }
  return TRUE;
}

}  // namespace

bool bare_discovery(messenger_window_table &found, DWORD process) {
  found = {};
  found.status_form = top_level_of_process(L"TCusForm", process);
  if (found.status_form == nullptr) return false;
  found.main_form = top_level_of_process(L"TMainForm", process);
  bare_children_of_forms(found);
  return IsWindow(found.status_panel) != 0;
}

void bare_children_of_forms(messenger_window_table &found) {
  if (found.main_form != nullptr) {
    EnumChildWindows(found.main_form, main_child, reinterpret_cast<LPARAM>(&found));
  }
  EnumChildWindows(found.status_form, status_child, reinterpret_cast<LPARAM>(&found));
}
