#include "message_log.h"
#include "stand_in.h"

namespace {

WNDPROC system_edit = nullptr;
WNDPROC system_combo = nullptr;

LRESULT CALLBACK edit_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  const handled_message handling(window, message, w_param, l_param);
  return CallWindowProcW(system_edit, window, message, w_param, l_param);
}

LRESULT CALLBACK combo_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  const handled_message handling(window, message, w_param, l_param);
  return CallWindowProcW(system_combo, window, message, w_param, l_param);
}

// The messenger's edits and combo box behave as the system's own; only their class names differ.
bool register_superclass(HINSTANCE instance, const wchar_t *system_class, const wchar_t *name,
                         WNDPROC procedure, WNDPROC &base) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  if (!GetClassInfoExW(nullptr, system_class, &window_class)) {
    return false;
  }
  base = window_class.lpfnWndProc;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

bool register_own(HINSTANCE instance, const wchar_t *name, WNDPROC procedure, UINT style, int background) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.style = style;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  window_class.hbrBackground = GetSysColorBrush(background);
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class) != 0;
}

}  // namespace

bool register_window_classes(HINSTANCE instance) {
  return register_own(instance, L"TMainForm", main_form_procedure, CS_HREDRAW | CS_VREDRAW, COLOR_BTNFACE) &&
         register_own(instance, L"TCusForm", status_form_procedure, 0, COLOR_BTNFACE) &&
         register_own(instance, L"TPanel", panel_procedure, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                      COLOR_BTNFACE) &&
         register_superclass(instance, L"EDIT", L"TEdit", edit_procedure, system_edit) &&
         register_superclass(instance, L"COMBOBOX", L"TComboBox", combo_procedure, system_combo);
}
