#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>
#include "no_copy.h"

using bytes = std::vector<std::uint8_t>;

// A fresh profile folder for one test, removed with its files afterwards.
class scratch_profile : private no_copy {
 public:
  scratch_profile();
  ~scratch_profile();

  const std::wstring &folder() const { return folder_; }
  std::wstring file(const wchar_t *name) const { return folder_ + L"\\" + name; }

  bytes read(const wchar_t *name) const;
  void write(const wchar_t *name, const bytes &data) const;
  bool exists(const wchar_t *name) const;

 private:
  std::wstring folder_;
};

// The exit code reported for a program that was still running when its time was up (and ended).
constexpr DWORD timed_out = 0xDEAD;

struct player_result {
  DWORD exit_code;
  std::string output;
};

// Runs a program from beside this one with the given arguments, its standard output and error into
// the profile's file output.txt, and collects them. A program still running after a minute is
// ended and reported as `timed_out`.
player_result run_program(const scratch_profile &profile, const wchar_t *program,
                          const std::wstring &arguments);

// The player's option that loads the sample playlist (samples/evening.json beside the programs).
std::wstring sample_playlist();

// Runs player.exe with the given arguments and these command lines as its script.
player_result run_player(const scratch_profile &profile, const std::wstring &arguments,
                         const std::string &commands);

// player.exe taking its commands as a person types them, through a pipe, while the test looks at
// its windows and output. Ended at the latest when the object goes.
class player_session : private no_copy {
 public:
  player_session(const scratch_profile &profile, const std::wstring &arguments);
  ~player_session();

  void type(const std::string &lines);
  // Waits, at most a minute, until the output has `text` after what earlier waits found.
  bool wait_for(const std::string &text);
  // A top-level window of the player of the given class; null when it has none.
  HWND window(const wchar_t *window_class) const;
  // Ends the input and waits, at most a minute, for the player to exit; its exit code.
  DWORD finish();
  // Ends the player's process at once, as a crash or the task manager would.
  void kill();

  std::string output() const;

 private:
  const scratch_profile &profile_;
  PROCESS_INFORMATION process_ = {};
  HANDLE input_ = nullptr;
  std::size_t seen_ = 0;
};
