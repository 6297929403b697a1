#include "window_recorder.h"

#include "text_conversion.h"

namespace {

window_recorder *active = nullptr;
bool recording = false;
WNDPROC system_edit = nullptr;
WNDPROC system_combo = nullptr;

bool in_vocabulary(UINT message) {
  switch (message) {
    case WM_GETTEXT:
    case WM_SETTEXT:
    case WM_GETTEXTLENGTH:
    case CB_GETCURSEL:
    case CB_SETCURSEL:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_SYSCOMMAND:
      return true;
    default:
      return false;
  }
}

}  // namespace

void record(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (!recording || active == nullptr || !in_vocabulary(message)) {
    return;
  }
  window_message seen = {active->roles_[window], message, static_cast<std::uint32_t>(w_param),
                         static_cast<std::uint32_t>(l_param), std::nullopt};
  if (message == WM_SETTEXT && l_param != 0) {
    seen.text = utf8_from_wide(reinterpret_cast<const wchar_t *>(l_param));
  }
  active->recorded.push_back(seen);
  if (active->reaction) {
    active->reaction(window, message);
  }
}

namespace {

LRESULT CALLBACK plain_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  record(window, message, w_param, l_param);
  // A closing messenger form would be destroyed; the recorder only notes the request.
  if (message == WM_SYSCOMMAND) {
    return 0;
  }
  return DefWindowProcW(window, message, w_param, l_param);
}

LRESULT CALLBACK edit_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  record(window, message, w_param, l_param);
  return CallWindowProcW(system_edit, window, message, w_param, l_param);
}

LRESULT CALLBACK combo_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  record(window, message, w_param, l_param);
  return CallWindowProcW(system_combo, window, message, w_param, l_param);
}

}  // namespace

window_recorder::window_recorder() {
  active = this;
  recording = false;
}

window_recorder::~window_recorder() {
  recording = false;
  for (auto window = windows_.rbegin(); window != windows_.rend(); ++window) {
    DestroyWindow(*window);
  }
  for (const std::wstring &window_class : classes_) {
    UnregisterClassW(window_class.c_str(), GetModuleHandleW(nullptr));
  }
  active = nullptr;
}

void window_recorder::register_class(const wchar_t *window_class) {
  if (!classes_.insert(window_class).second) {
    return;
  }
  WNDCLASSEXW description = {};
  description.cbSize = sizeof description;
  const std::wstring name = window_class;
  if (name == L"TEdit" || name == L"TComboBox") {
    GetClassInfoExW(nullptr, name == L"TEdit" ? L"EDIT" : L"COMBOBOX", &description);
    (name == L"TEdit" ? system_edit : system_combo) = description.lpfnWndProc;
    description.lpfnWndProc = name == L"TEdit" ? edit_procedure : combo_procedure;
  } else {
    description.lpfnWndProc = plain_procedure;
  }
  description.hInstance = GetModuleHandleW(nullptr);
  description.lpszClassName = window_class;
  RegisterClassExW(&description);
}

HWND window_recorder::top_level(const char *role, const wchar_t *window_class, RECT screen) {
  register_class(window_class);
  const HWND window =
      CreateWindowExW(0, window_class, L"", WS_POPUP, screen.left, screen.top, screen.right - screen.left,
                      screen.bottom - screen.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  windows_.push_back(window);
  roles_[window] = role;
  return window;
}

HWND window_recorder::child(const char *role, HWND parent, const wchar_t *window_class, const wchar_t *text,
                            RECT area) {
  register_class(window_class);
  const DWORD style = std::wstring(window_class) == L"TComboBox" ? CBS_DROPDOWNLIST : 0;
  const HWND window = CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, area.left,
                                      area.top, area.right - area.left, area.bottom - area.top, parent,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
  windows_.push_back(window);
  roles_[window] = role;
  return window;
}

void window_recorder::start_recording() {
  recorded.clear();
  recording = true;
}
