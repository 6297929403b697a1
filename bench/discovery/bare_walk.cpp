#include "bare_walk.h"

#include <cstring>

namespace {

bool class_is(HWND window, const char *expected) {
  char name[256];
  return GetClassNameA(window, name, sizeof name) != 0 && std::strcmp(name, expected) == 0;
}

BOOL CALLBACK top_level(HWND window, LPARAM table_address) {
  auto &table = *reinterpret_cast<messenger_window_table *>(table_address);
  char name[256];
  if (GetClassNameA(window, name, sizeof name) != 0) {
    if (table.main_form == nullptr && std::strcmp(name, "TMainForm") == 0) table.main_form = window;
    if (table.status_form == nullptr && std::strcmp(name, "TCusForm") == 0) table.status_form = window;
  }
  return table.main_form == nullptr || table.status_form == nullptr;
}

BOOL CALLBACK main_child(HWND window, LPARAM table_address) {
  if (class_is(window, "TPanel")) reinterpret_cast<messenger_window_table *>(table_address)->main_panel = window;
  return TRUE;
}

BOOL CALLBACK status_child(HWND window, LPARAM table_address) {
  auto &table = *reinterpret_cast<messenger_window_table *>(table_address);
  char name[256];
  if (GetClassNameA(window, name, sizeof name) == 0) return TRUE;
  if (std::strcmp(name, "TPanel") == 0) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    if (length > 0 && length < 3) table.status_panel = window;
  } else if (std::strcmp(name, "TEdit") == 0) {
    (table.bottom_edit == nullptr ? table.bottom_edit : table.top_edit) = window;
  } else if (std::strcmp(name, "TComboBox") == 0) {
    table.status_combo = window;
  }
  return TRUE;
}

}  // namespace

messenger_window_table bare_walk() {
  messenger_window_table table = {};
  EnumWindows(top_level, reinterpret_cast<LPARAM>(&table));
  if (table.main_form != nullptr) EnumChildWindows(table.main_form, main_child, reinterpret_cast<LPARAM>(&table));
  if (table.status_form != nullptr) {
    EnumChildWindows(table.status_form, status_child, reinterpret_cast<LPARAM>(&table));
  }
  return table;
}
