#include "other_programs_windows.h"

namespace {

// None of them is the messenger's class in another letter case: the window system keeps one atom
// per class name whatever its case, and a search by class compares atoms.
const wchar_t *const other_classes[] = {L"TApplication", L"TChatForm", L"TCusFormHint", L"TMainFormTray",
                                        L"PlayerWindow"};
constexpr int class_count = sizeof other_classes / sizeof other_classes[0];

HINSTANCE own_module() { return GetModuleHandleW(nullptr); }

}  // namespace

other_programs_windows::other_programs_windows(int count) : windows_(new HWND[count]) {
  for (const wchar_t *name : other_classes) {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = own_module();
    window_class.lpszClassName = name;
    RegisterClassExW(&window_class);
  }
  for (int i = 0; i < count; ++i) {
    const HWND made = CreateWindowExW(0, other_classes[i % class_count], L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                      nullptr, own_module(), nullptr);
    if (made == nullptr) break;
    windows_[made_++] = made;
  }
}

other_programs_windows::~other_programs_windows() {
  while (made_ > 0) DestroyWindow(windows_[--made_]);
  delete[] windows_;
  for (const wchar_t *name : other_classes) UnregisterClassW(name, own_module());
}

int windows_above(HWND window) {
  int count = 0;
  for (HWND above = GetTopWindow(nullptr); above != nullptr; above = GetWindow(above, GW_HWNDNEXT)) {
    if (above == window) return count;
    ++count;
  }
  return -1;
}
