#pragma once

#include <cstdint>

#include "messenger/window_types.h"

// Everything the component asks of the window system: the messenger's windows, the messages it
// sends them, and the timer of the player's thread. The shipped build uses the Win32 calls; a test
// may install a world of its own, where every window, answer and delay is its choice.

struct messenger_reply {
  bool answered;
  LRESULT value;      // 0 when not answered
  bool gone = false;  // not answered because the target is no window, or went while it waited
  // Not answered because the system refused to deliver the message (access denied to a messenger
  // that runs elevated, say): the system's error code; 0 for a message that went and was not
  // answered in time.
  DWORD refused = 0;
};

class window_system {
 public:
  // The first top-level window of the class after `after` in the window order (null: from the top).
  virtual HWND find_top_level(const wchar_t *window_class, HWND after) = 0;

  // Every descendant of `parent`, children of children too, in the system's order, until `visit`
  // answers false.
  virtual void visit_descendants(HWND parent, bool (*visit)(HWND window, void *context), void *context) = 0;

  // The window's class name as 8-bit text, at most `room` - 1 characters and a terminator; false
  // when it cannot be read.
  virtual bool class_name(HWND window, char *out, int room) = 0;

  virtual bool is_window(HWND window) = 0;
  virtual bool is_visible(HWND window) = 0;
  // The window's rectangle on the screen; false for no window.
  virtual bool window_rect(HWND window, RECT &rect) = 0;
  // The process the window belongs to; 0 for no window.
  virtual DWORD process_of(HWND window) = 0;

  // Sends a message and waits at most `wait_ms` for the window's answer. While it waits, the
  // player's thread handles messages sent to it, so the component may be called meanwhile. A
  // message to a missing or destroyed window, or to one that goes while the message waits, is lost
  // with it: no answer, and the reply says the window is gone. One the system would not deliver
  // says why.
  virtual messenger_reply send(HWND target, UINT message, WPARAM w_param, LPARAM l_param, UINT wait_ms) = 0;

  // Hands a message over without waiting: the window handles it once its thread is free.
  virtual void notify(HWND target, UINT message, WPARAM w_param, LPARAM l_param) = 0;

  // One timer on the player's thread: `action` runs once after `milliseconds`, from the thread's
  // message loop. Setting it again replaces what was set.
  virtual void set_timer(unsigned milliseconds, void (*action)()) = 0;
  virtual void kill_timer() = 0;

 protected:
  ~window_system() = default;
};

// Milliseconds as the player's thread sees them pass.
class clock_source {
 public:
  virtual std::uint64_t now_ms() = 0;

 protected:
  ~clock_source() = default;
};

// The window system and the clock in use: the platform's unless a test installed its own (null puts
// the platform's back). The caller keeps what it installs alive while installed. Off Windows the
// platform has no windows, no timer, and a clock that stands still.
window_system &the_window_system();
void use_window_system(window_system *installed);
clock_source &the_clock();
void use_clock(clock_source *installed);
