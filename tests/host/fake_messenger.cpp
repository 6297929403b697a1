#include "fake_messenger.h"

int fake_messenger::panel_clicks = 0;

namespace {

LRESULT CALLBACK panel_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_LBUTTONDOWN) ++fake_messenger::panel_clicks;
  return DefWindowProcW(window, message, wparam, lparam);
}

// The status form stays open: a close request is acknowledged and ignored.
LRESULT CALLBACK form_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SYSCOMMAND) return 0;
  return DefWindowProcW(window, message, wparam, lparam);
}

void register_class(const wchar_t *name, WNDPROC procedure) {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = name;
  RegisterClassW(&window_class);
}

HWND create(const wchar_t *window_class, HWND parent) {
  const DWORD style = parent != nullptr ? WS_CHILD : WS_OVERLAPPEDWINDOW;
  return CreateWindowExW(0, window_class, L"", style, 0, 0, 300, 200, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

fake_messenger::fake_messenger() {
  register_class(L"TMainForm", form_procedure);
  register_class(L"TPanel", panel_procedure);
  register_class(L"TCusForm", form_procedure);
  main_form_ = create(L"TMainForm", nullptr);
  create(L"TPanel", main_form_);
  status_form_ = create(L"TCusForm", nullptr);
  panel_clicks = 0;
}

fake_messenger::~fake_messenger() {
  DestroyWindow(status_form_);
  DestroyWindow(main_form_);
}
