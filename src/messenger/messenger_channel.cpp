#include "messenger/messenger_channel.h"

namespace {

bool deadline_set = false;
std::uint64_t deadline = 0;
DWORD last_refusal = 0;

// The wait a message may have: `longest`, cut to what is left before the deadline.
UINT wait_allowed(UINT longest) {
  if (!deadline_set) return longest;
  const std::uint64_t now = the_clock().now_ms();
  if (now >= deadline) return 0;
  return deadline - now < longest ? static_cast<UINT>(deadline - now) : longest;
}

messenger_reply send_waiting(HWND target, UINT message, WPARAM w_param, LPARAM l_param, UINT longest) {
  window_system &windows = the_window_system();
  const UINT wait = wait_allowed(longest);
  if (wait == 0) return {false, 0, !windows.is_window(target)};
  return windows.send(target, message, w_param, l_param, wait);
}

}  // namespace

messenger_reply send_to_messenger(HWND target, UINT message, WPARAM w_param, LPARAM l_param) {
  return send_waiting(target, message, w_param, l_param, messenger_answer_wait_ms);
}

bool message_may_go() { return wait_allowed(messenger_answer_wait_ms) > 0; }

messenger_result result_of(const messenger_reply &reply) {
  if (reply.answered) return messenger_result::completed;
  if (reply.gone) return messenger_result::gone;
  if (reply.refused == 0) return messenger_result::not_responding;
  last_refusal = reply.refused;
  return messenger_result::refused;
}

DWORD refusal_error() { return last_refusal; }

messenger_result probe_messenger(HWND window) {
  return result_of(send_waiting(window, WM_NULL, 0, 0, messenger_probe_wait_ms));
}

shared_deadline::shared_deadline() : outermost_(!deadline_set) {
  if (!outermost_) return;
  deadline_set = true;
  deadline = the_clock().now_ms() + messenger_answer_wait_ms;
}

shared_deadline::~shared_deadline() {
  if (outermost_) deadline_set = false;
}
