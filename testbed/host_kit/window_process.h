#pragma once

#include <windows.h>

// Which program a window belongs to, for the hosts, tests and benchmarks that start the stand-ins
// as processes of their own. Inline and without the C++ standard library, so that the platform-ABI
// programs and the bare benchmark loops use it too.

// The process that made the window; 0 for none.
inline DWORD process_of(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// The first top-level window of the class that `process` made, or null.
inline HWND top_level_of_process(const wchar_t *window_class, DWORD process) {
  for (HWND window = FindWindowExW(nullptr, nullptr, window_class, nullptr); window != nullptr;
       window = FindWindowExW(nullptr, window, window_class, nullptr)) {
    if (process_of(window) == process) return window;
  }
  return nullptr;
}
