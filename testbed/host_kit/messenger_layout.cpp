#include "messenger_layout.h"

#include "window_process.h"

namespace {

HWND first_child(HWND parent, const wchar_t *window_class, const wchar_t *caption = nullptr) {
  return FindWindowExW(parent, nullptr, window_class, caption);
}

// A null parent would mean the desktop: no children then.
HWND last_child(HWND parent, const wchar_t *window_class) {
  HWND last = nullptr;
  if (parent == nullptr) return last;
  for (HWND child = first_child(parent, window_class); child != nullptr;
       child = FindWindowExW(parent, child, window_class, nullptr)) {
    last = child;
  }
  return last;
}

BOOL CALLBACK count_window(HWND, LPARAM count) {
  ++*reinterpret_cast<int *>(count);
  return TRUE;
}

int descendants(HWND form) {
  int count = 0;
  if (form != nullptr) EnumChildWindows(form, count_window, reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace

messenger_layout layout_of(HWND status_form) {
  messenger_layout layout = {};
  if (status_form == nullptr) return layout;
  const DWORD process = process_of(status_form);
  for (HWND form = first_child(nullptr, L"TMainForm"); form != nullptr && layout.main_form == nullptr;
       form = FindWindowExW(nullptr, form, L"TMainForm", nullptr)) {
    if (process_of(form) == process) layout.main_form = form;
  }
  layout.main_panel = last_child(layout.main_form, L"TPanel");
  layout.status_form = status_form;
  layout.status_panel = first_child(status_form, L"TPanel", L"OK");
  layout.status_combo = first_child(status_form, L"TComboBox");
  layout.bottom_edit = first_child(status_form, L"TEdit");
  layout.top_edit = last_child(status_form, L"TEdit");
  layout.main_descendants = descendants(layout.main_form);
  layout.status_descendants = descendants(status_form);
  return layout;
}
