#include "messenger/window_system.h"

namespace {

struct descendant_visit {
  bool (*visit)(HWND, void *);
  void *context;
};

BOOL CALLBACK visit_one(HWND window, LPARAM visit) {
  const descendant_visit &each = *reinterpret_cast<const descendant_visit *>(visit);
  return each.visit(window, each.context) ? TRUE : FALSE;
}

void (*timer_action)() = nullptr;
UINT_PTR timer = 0;

void stop_timer() {
  if (timer != 0) KillTimer(nullptr, timer);
  timer = 0;
  timer_action = nullptr;
}

void CALLBACK timer_fired(HWND, UINT, UINT_PTR, DWORD) {
  void (*const action)() = timer_action;
  stop_timer();
  if (action != nullptr) action();
}

class win32_window_system final : public window_system {
 public:
  HWND find_top_level(const wchar_t *window_class, HWND after) override {
    return FindWindowExW(nullptr, after, window_class, nullptr);
  }

  void visit_descendants(HWND parent, bool (*visit)(HWND, void *), void *context) override {
    descendant_visit each = {visit, context};
    EnumChildWindows(parent, visit_one, reinterpret_cast<LPARAM>(&each));
  }

  bool class_name(HWND window, char *out, int room) override { return GetClassNameA(window, out, room) != 0; }

  bool is_window(HWND window) override { return window != nullptr && IsWindow(window); }

  bool is_visible(HWND window) override { return window != nullptr && IsWindowVisible(window); }

  bool window_rect(HWND window, RECT &rect) override {
    return window != nullptr && GetWindowRect(window, &rect);
  }

  DWORD process_of(HWND window) override {
    DWORD process = 0;
    if (window != nullptr) GetWindowThreadProcessId(window, &process);
    return process;
  }

  messenger_reply send(HWND target, UINT message, WPARAM w_param, LPARAM l_param, UINT wait_ms) override {
    DWORD_PTR value = 0;
    if (SendMessageTimeoutW(target, message, w_param, l_param, SMTO_NORMAL | SMTO_ABORTIFHUNG, wait_ms,
                            &value) != 0) {
      return {true, static_cast<LRESULT>(value)};
    }
    // Only a living window that kept silent counts as not answering; a window that is not there (or
    // went meanwhile, its program ended) takes its message with it. A time-out says ERROR_TIMEOUT
    // (0 on older systems); any other error is a message the system did not deliver.
    const DWORD error = GetLastError();
    if (!is_window(target)) return {false, 0, true};
    return {false, 0, false, error == ERROR_TIMEOUT ? 0 : error};
  }

  void notify(HWND target, UINT message, WPARAM w_param, LPARAM l_param) override {
    SendNotifyMessageW(target, message, w_param, l_param);
  }

  void set_timer(unsigned milliseconds, void (*action)()) override {
    stop_timer();
    timer_action = action;
    timer = SetTimer(nullptr, 0, milliseconds, timer_fired);
  }

  void kill_timer() override { stop_timer(); }

  // A timer left when the library goes away would call into code that is no longer there.
  ~win32_window_system() { stop_timer(); }
};

class tick_clock final : public clock_source {
 public:
  std::uint64_t now_ms() override { return GetTickCount64(); }
};

win32_window_system platform_windows;
tick_clock platform_clock;

}  // namespace

window_system &platform_window_system() { return platform_windows; }
clock_source &platform_clock_source() { return platform_clock; }
