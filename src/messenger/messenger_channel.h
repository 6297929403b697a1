#pragma once

#include <cstdint>

#include "messenger/window_system.h"

// Every message to the messenger waits a bounded time for its answer, so that a hung messenger
// costs the player a bounded wait instead of its main thread.

// The longest the player waits for the messenger to answer a single message, and all the messages
// of one operation together.
constexpr UINT messenger_answer_wait_ms = 2000;

// The longest a probe of a messenger that did not answer before holds the player.
constexpr UINT messenger_probe_wait_ms = 200;

// What became of an operation that sends messages to the messenger.
enum class messenger_result {
  completed,       // every message was handled
  not_responding,  // a message was not answered in time; nothing after it was sent
  gone,            // a message's window was not there, or went: the messenger went with it
  refused,         // the system did not deliver a message; nothing after it was sent
};

// What a reply comes to; a refusal's error code is kept for refusal_error().
messenger_result result_of(const messenger_reply &reply);

// The system's error code of the last message it refused to deliver.
DWORD refusal_error();

// One message to the messenger, waited for at most messenger_answer_wait_ms, and not past the
// deadline of the operation under way: once that has passed, a message is not sent and counts as
// unanswered (or gone, when its window is).
messenger_reply send_to_messenger(HWND target, UINT message, WPARAM w_param, LPARAM l_param);

// False once the deadline of the operation under way has passed: a message would not be sent.
bool message_may_go();

// Asks a messenger window that did not answer before whether it answers now: a WM_NULL, waited for
// at most messenger_probe_wait_ms (and not past the deadline).
messenger_result probe_messenger(HWND window);

// For its life, the sends of one operation (an event, a timer's callback) share one deadline,
// messenger_answer_wait_ms from its start, so that however many messages a slow messenger keeps
// waiting, the player waits for it once. An operation inside another keeps the outer deadline.
class shared_deadline {
 public:
  shared_deadline();
  ~shared_deadline();
  shared_deadline(const shared_deadline &) = delete;
  shared_deadline &operator=(const shared_deadline &) = delete;

 private:
  bool outermost_;
};
