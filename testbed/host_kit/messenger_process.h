#pragma once

#include <windows.h>

#include "no_copy.h"

// The stand-in messenger (messenger.exe beside the running program) in a process of its own,
// started ready for use: its windows exist when the constructor returns. Asked to quit at the end,
// and ended if it does not go. Written without the C++ standard library, so that the platform-ABI
// host drives it the same way as the tests and benchmarks.
class messenger_process : private no_copy {
 public:
  // `options` are more of the stand-in's options, quoted where needed. With logs, the messenger
  // writes its status log and its message log to temporary files, deleted at the end; logs cost it
  // a file write for every message, so a benchmark goes without them.
  explicit messenger_process(const wchar_t *options, bool logs = true);
  ~messenger_process();

  bool running() const;
  DWORD process_id() const { return process_.dwProcessId; }
  HWND status_form() const;

  // One line per published status: picture, top text and bottom text, separated by tabs.
  const wchar_t *status_log_path() const { return status_log_; }
  // One line per message another program sent: role, message, wParam, lParam and the text set.
  const wchar_t *message_log_path() const { return message_log_; }

  // Stops answering messages for the given time, or until resumed; the request itself is answered
  // first.
  void hang(DWORD milliseconds);
  void resume();

  // As on a slow network: another program's click on the dialog's OK (apply) or on the status spot
  // (open, which then puts the dialog on screen) takes effect at once, and its answer comes
  // `milliseconds` late; 0 answers at once. Returns once the messenger has taken the change.
  void slow_apply(DWORD milliseconds);
  void slow_open(DWORD milliseconds);

  // Ends the process at once, as a crash would.
  void kill();

  // Asks the messenger to do one of its user's actions (a code of its own) and waits until it is
  // done; `data` is the action's text, `length` its count of wide characters. False when the
  // messenger did not do it (it hung, say, or is gone).
  bool act_as_user(unsigned command, const wchar_t *data, DWORD length) const;

 private:
  void steer(const wchar_t *request, DWORD milliseconds) const;

  PROCESS_INFORMATION process_ = {};
  bool ready_ = false;
  wchar_t status_log_[MAX_PATH + 64] = {};
  wchar_t message_log_[MAX_PATH + 64] = {};
};
