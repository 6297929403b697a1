#include "host_access/system_errors.h"

namespace system_error {

namespace {

struct words_of {
  std::uint32_t code;
  const char *words;
};

// Where the component meets them: its file (in the user's application data folder, whose variable
// may be missing, and a folder may stand in the file's place) and its messages to the messenger.
constexpr words_of known[] = {
    {file_not_found, "the file is not there"},
    {path_not_found, "its folder is not there"},
    {access_denied, "access is denied"},
    {not_enough_memory, "there is not enough memory"},
    {write_protect, "the disk is write-protected"},
    {sharing_violation, "another program has the file open"},
    {handle_disk_full, "the disk is full"},
    {disk_full, "the disk is full"},
    {environment_variable_not_found, "there is no application data folder (APPDATA is not set)"},
    {file_name_too_long, "its path is too long"},
    {directory_not_supported, "a folder stands where the file should be"},
    {invalid_window_handle, "the window is gone"},
    {timeout, "no answer came in time"},
};

}  // namespace

void append_words(std::uint32_t code, pfc::string8 &out) {
  for (const words_of &each : known) {
    if (each.code == code) {
      out.append(each.words);
      return;
    }
  }
  out.append("system error ");
  char digits[11];
  int at = 10;
  digits[at] = 0;
  do {
    digits[--at] = static_cast<char>('0' + code % 10);
    code /= 10;
  } while (code != 0);
  out.append(digits + at);
}

}  // namespace system_error
