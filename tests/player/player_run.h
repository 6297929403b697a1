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

struct player_result {
  DWORD exit_code;
  std::string output;
};

// Runs player.exe from beside this program with the given arguments and these command lines as
// its script, and collects its standard output.
player_result run_player(const scratch_profile &profile, const std::wstring &arguments,
                         const std::string &commands);
