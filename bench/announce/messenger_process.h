#pragma once

#include <windows.h>

#include "no_copy.h"

// The stand-in messenger (messenger.exe, beside the benchmark) in a process of its own, as the
// tests start it but without its logs, whose writing would be timed along with every message.
// Asked to quit at the end.
class messenger_process : private no_copy {
 public:
  messenger_process();
  ~messenger_process();

  bool running() const;

 private:
  HWND status_form() const;

  PROCESS_INFORMATION process_ = {};
  bool ready_ = false;
};
