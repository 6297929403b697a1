#pragma once

#include "messenger/window_system.h"

// Installed for its life as the component's window system, it passes every call on to the one it
// replaced; a test overrides only what it watches or changes, such as the sends.
class passing_window_system : public window_system {
 public:
  passing_window_system() : passed_to_(the_window_system()) { use_window_system(this); }
  ~passing_window_system() { use_window_system(nullptr); }
  passing_window_system(const passing_window_system &) = delete;
  passing_window_system &operator=(const passing_window_system &) = delete;

  HWND find_top_level(const wchar_t *window_class, HWND after) override {
    return passed_to_.find_top_level(window_class, after);
  }
  void visit_descendants(HWND parent, bool (*visit)(HWND, void *), void *context) override {
    passed_to_.visit_descendants(parent, visit, context);
  }
  bool class_name(HWND window, char *out, int room) override {
    return passed_to_.class_name(window, out, room);
  }
  bool is_window(HWND window) override { return passed_to_.is_window(window); }
  bool is_visible(HWND window) override { return passed_to_.is_visible(window); }
  bool window_rect(HWND window, RECT &rect) override { return passed_to_.window_rect(window, rect); }
  DWORD process_of(HWND window) override { return passed_to_.process_of(window); }
  messenger_reply send(HWND target, UINT message, WPARAM w_param, LPARAM l_param, UINT wait_ms) override {
    return passed_to_.send(target, message, w_param, l_param, wait_ms);
  }
  void notify(HWND target, UINT message, WPARAM w_param, LPARAM l_param) override {
    passed_to_.notify(target, message, w_param, l_param);
  }
  void set_timer(unsigned milliseconds, void (*action)()) override {
    passed_to_.set_timer(milliseconds, action);
  }
  void kill_timer() override { passed_to_.kill_timer(); }

 private:
  window_system &passed_to_;
};
