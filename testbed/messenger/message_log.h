#pragma once

#include <windows.h>

#include <string>
#include "no_copy.h"

// Records the messages that other programs send to the stand-in's windows, as a conformance test's
// message recorder would: which window, the message, both parameters and the text of WM_SETTEXT.
void start_message_log(const std::wstring &path);
void name_window(HWND window, const wchar_t *role);

// Spans one call of a window procedure. Only a message sent (or handed over without waiting) from
// another program, and not one that the stand-in sends itself while handling it, is recorded. While the
// stand-in hangs, such a message is recorded, then left unanswered until the hang ends.
class handled_message : private no_copy {
 public:
  handled_message(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  ~handled_message();

  bool sent_by_another_program() const { return from_outside_; }
  // A request to steer the stand-in (quit, hang, a user's action) that came while it hung: whoever
  // sent it has given up waiting and was told so, so it is not carried out.
  bool request_given_up() const { return request_given_up_; }

 private:
  static void note(HWND window, UINT message, WPARAM w_param, LPARAM l_param);

  bool from_outside_;
  bool request_given_up_ = false;
};
