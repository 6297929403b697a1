#pragma once

#include <windows.h>

#include "host_text.h"
#include "no_copy.h"

// The stand-in messenger (messenger.exe in the player's folder) in a process of its own, with a
// status log in a temporary file. Asked to quit at the end, and ended if it does not go.
class messenger_process : private no_copy {
 public:
  // `options` are more of the stand-in's options, quoted where needed.
  explicit messenger_process(const wchar_t *options);
  ~messenger_process();

  bool running() const;

  // One line per published status: picture, top text and bottom text, separated by tabs.
  void read_status_log(host_text &log) const;

 private:
  HWND status_form() const;

  PROCESS_INFORMATION process_ = {};
  bool ready_ = false;
  wchar_t log_path_[MAX_PATH + 48] = {};
};
