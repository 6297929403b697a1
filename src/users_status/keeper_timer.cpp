#include "users_status/keeper_timer.h"

#include "host_access/error_barrier.h"
#include "messenger/window_system.h"

namespace {

void (*due_action)() = nullptr;

void timer_fired() {
  void (*const action)() = due_action;
  due_action = nullptr;
  if (action != nullptr) run_contained(console_texts::trying_again, action);
}

}  // namespace

void set_keeper_timer(unsigned milliseconds, void (*action)()) {
  due_action = action;
  the_window_system().set_timer(milliseconds, timer_fired);
}

void cancel_keeper_timer() {
  the_window_system().kill_timer();
  due_action = nullptr;
}
