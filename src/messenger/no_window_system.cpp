#include "messenger/window_system.h"

// Off Windows there is no window system: no messenger runs, no timer fires, time stands still.
namespace {

class no_window_system final : public window_system {
 public:
  HWND find_top_level(const wchar_t *, HWND) override { return nullptr; }
  void visit_descendants(HWND, bool (*)(HWND, void *), void *) override {}
  bool class_name(HWND, char *, int) override { return false; }
  bool is_window(HWND) override { return false; }
  bool is_visible(HWND) override { return false; }
  bool window_rect(HWND, RECT &) override { return false; }
  DWORD process_of(HWND) override { return 0; }
  messenger_reply send(HWND, UINT, WPARAM, LPARAM, UINT) override { return {false, 0, true}; }
  void notify(HWND, UINT, WPARAM, LPARAM) override {}
  void set_timer(unsigned, void (*)()) override {}
  void kill_timer() override {}
};

class still_clock final : public clock_source {
 public:
  std::uint64_t now_ms() override { return 0; }
};

no_window_system no_windows;
still_clock still;

}  // namespace

window_system &platform_window_system() { return no_windows; }
clock_source &platform_clock_source() { return still; }
