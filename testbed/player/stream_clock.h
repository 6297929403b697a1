#pragma once

#include <windows.h>

#include <functional>

// Counts down the playing stream title's time on the player's main thread, the component's: a
// thread timer, which the player's message loop dispatches while it waits for the next command
// (and during 'wait'). One clock runs at a time.
class stream_clock {
 public:
  // `due` runs on the main thread once the time counted is up.
  explicit stream_clock(std::function<void()> due) : due_(std::move(due)) {}
  ~stream_clock() { cancel(); }
  stream_clock(const stream_clock &) = delete;
  stream_clock &operator=(const stream_clock &) = delete;

  // Counts `seconds` afresh, whatever was being counted.
  void start(double seconds);
  // Keeps what is left for resume(), so the time paused does not count. Each does nothing when no
  // time is counted (or paused).
  void pause();
  void resume();
  void cancel();

 private:
  static void CALLBACK tick(HWND, UINT, UINT_PTR timer, DWORD);
  void run_for(ULONGLONG milliseconds);

  std::function<void()> due_;
  UINT_PTR timer_ = 0;
  ULONGLONG due_at_ = 0;
  bool paused_ = false;
  ULONGLONG left_when_paused_ = 0;
};
