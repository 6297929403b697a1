#include "stream_clock.h"

#include <stdexcept>

namespace {

// A timer without a window knows nothing of the clock that set it.
stream_clock *running_clock = nullptr;

}  // namespace

void stream_clock::start(double seconds) { run_for(static_cast<ULONGLONG>(seconds * 1000 + 0.5)); }

void stream_clock::pause() {
  if (timer_ == 0) return;
  const ULONGLONG now = GetTickCount64();
  const ULONGLONG left = due_at_ > now ? due_at_ - now : 0;
  cancel();
  left_when_paused_ = left;
  paused_ = true;
}

void stream_clock::resume() {
  if (paused_) run_for(left_when_paused_);
}

void stream_clock::cancel() {
  if (timer_ != 0) KillTimer(nullptr, timer_);
  timer_ = 0;
  paused_ = false;
  if (running_clock == this) running_clock = nullptr;
}

void stream_clock::run_for(ULONGLONG milliseconds) {
  cancel();
  // The playlist keeps a title within a day, far inside what a timer takes.
  timer_ = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), tick);
  if (timer_ == 0) throw std::runtime_error("cannot start the stream's timer");
  due_at_ = GetTickCount64() + milliseconds;
  running_clock = this;
}

void CALLBACK stream_clock::tick(HWND, UINT, UINT_PTR timer, DWORD) {
  stream_clock *clock = running_clock;
  // A tick posted before its timer was killed stays in the queue; it is not the running timer's.
  if (clock == nullptr || clock->timer_ != timer) return;
  clock->cancel();
  clock->due_();
}
