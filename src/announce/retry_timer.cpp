#include "announce/retry_timer.h"

#include <windows.h>

#include "host_access/error_barrier.h"

namespace {

UINT_PTR timer = 0;
void (*scheduled_action)() = nullptr;

void CALLBACK timer_fired(HWND, UINT, UINT_PTR, DWORD) {
  void (*const action)() = scheduled_action;
  cancel_retry();
  if (action != nullptr) run_contained("trying again", "the next track, stop or pause tries once more", action);
}

// A timer left when the library goes away would call into code that is no longer there: the
// library's unloading kills it.
struct timer_backstop {
  ~timer_backstop() { cancel_retry(); }
} backstop;

}  // namespace

void schedule_retry(unsigned milliseconds, void (*action)()) {
  cancel_retry();
  scheduled_action = action;
  timer = SetTimer(nullptr, 0, milliseconds, timer_fired);
}

void cancel_retry() {
  if (timer != 0) KillTimer(nullptr, timer);
  timer = 0;
  scheduled_action = nullptr;
}
