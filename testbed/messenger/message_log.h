#pragma once

#include <windows.h>

#include <string>
#include "no_copy.h"

// Records the messages that other programs send to the stand-in's windows, as a conformance test's
// message recorder would: which window, the message, both parameters and the text of WM_SETTEXT.
void start_message_log(const std::wstring &path);
void name_window(HWND window, const wchar_t *role);

// Spans one call of a window procedure. Only a message sent from another program, and not one that
// the stand-in sends itself while handling it, is recorded.
class handled_message : private no_copy {
 public:
  handled_message(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  ~handled_message();

  bool sent_by_another_program() const { return from_outside_; }

 private:
  bool from_outside_;
};
