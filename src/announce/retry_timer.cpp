#include "announce/retry_timer.h"

#include "host_access/error_barrier.h"
#include "messenger/window_system.h"

namespace {

void (*scheduled_action)() = nullptr;

void timer_fired() {
  void (*const action)() = scheduled_action;
  scheduled_action = nullptr;
  if (action != nullptr)
    run_contained("trying again", "the next track, stop or pause tries once more", action);
}

}  // namespace

void schedule_retry(unsigned milliseconds, void (*action)()) {
  scheduled_action = action;
  the_window_system().set_timer(milliseconds, timer_fired);
}

void cancel_retry() {
  the_window_system().kill_timer();
  scheduled_action = nullptr;
}
