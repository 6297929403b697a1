#pragma once

#include <windows.h>

// Every message to the messenger goes through one channel, so that a hung messenger costs the player
// a bounded wait instead of its main thread, and so that tests can stand in for the window system.

// The longest the player waits for the messenger to answer a single message.
constexpr UINT messenger_answer_wait_ms = 2000;

// The longest a probe of a messenger that did not answer before holds the player.
constexpr UINT messenger_probe_wait_ms = 200;

// What became of an operation that sends messages to the messenger.
enum class messenger_result {
  completed,       // every message was handled (or had no window to go to)
  not_responding,  // a message was not answered in time; nothing after it was sent
};

struct messenger_reply {
  bool answered;
  LRESULT value;  // 0 when not answered or when the target is no window
};

class message_channel {
 public:
  messenger_reply send(HWND target, UINT message, WPARAM w_param, LPARAM l_param) {
    return send_within(target, message, w_param, l_param, messenger_answer_wait_ms);
  }

  virtual messenger_reply send_within(HWND target, UINT message, WPARAM w_param, LPARAM l_param,
                                      UINT wait_ms) = 0;

 protected:
  ~message_channel() = default;
};

// The channel in use: the window system's unless a test installed its own.
message_channel &messenger_channel();

// Installs a channel (null puts the window system's back). The caller keeps it alive while installed.
void use_messenger_channel(message_channel *channel);

// Asks a messenger window that did not answer before whether it answers now: a WM_NULL, waited for
// at most messenger_probe_wait_ms.
bool messenger_answers(HWND window);
