#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "message_sequence.h"
#include "messenger_process.h"
#include "no_copy.h"
#include "users_own_status.h"

// The stand-in messenger's process (messenger_process) as the tests and benchmarks drive it, with
// its user's actions and its logs in the standard library's terms. The arguments may give it a
// name ({L"--name", L"one"}) for `messenger.exe --control --to one`.
class messenger_standin : private no_copy {
 public:
  // Logs cost the messenger a file write for every message; a benchmark goes without them.
  enum class logs { kept, none };

  explicit messenger_standin(const std::vector<std::wstring> &arguments = {}, logs kept = logs::kept);
  // With options as one command line, quoted where needed (users_own_status_options, say).
  explicit messenger_standin(const wchar_t *options, logs kept = logs::kept);

  bool running() const { return process_.running(); }
  DWORD process_id() const { return process_.process_id(); }
  HWND status_form() const { return process_.status_form(); }

  // Stops answering messages for the given time, or until resumed; the request itself is answered
  // first.
  void hang(DWORD milliseconds = 0) { process_.hang(milliseconds); }
  void resume() { process_.resume(); }

  // As on a slow network: another program's click on OK, or on the status spot (which then puts
  // the dialog on screen), takes effect at once and is answered `milliseconds` late; 0: at once.
  void slow_apply(DWORD milliseconds) { process_.slow_apply(milliseconds); }
  void slow_open(DWORD milliseconds) { process_.slow_open(milliseconds); }

  // Ends the messenger's process at once, as a crash would.
  void kill() { process_.kill(); }

  // What the user does in the status dialog of this messenger. The messenger does it itself, so its
  // message log does not count these actions as another program's; each returns once it is done,
  // true when the messenger did it.
  bool user_opens_dialog();
  // Picks the picture and types both texts, opening the dialog when needed; it stays open.
  bool user_types(int picture, const std::wstring &top, const std::wstring &bottom);
  bool user_presses_ok();
  bool user_cancels();
  bool user_closes_dialog();  // by its close box
  // Types, then presses OK.
  bool user_sets_status(int picture, const std::wstring &top, const std::wstring &bottom);
  bool dialog_on_screen() const;

  // The published statuses, one entry per line: picture, top text, bottom text; from entry `from` on.
  std::vector<std::vector<std::string>> status_log(std::size_t from = 0) const;
  // The messages other programs sent to the messenger's windows, each window under its role.
  std::vector<window_message> messages() const;

 private:
  bool act_as_user(unsigned command, const std::wstring &data = {}) const;

  messenger_process process_;
};

// The user's own status (users_own_status.h) as status_log() gives it.
extern const std::vector<std::string> users_own_status;
