#include "readable_output.h"

#include "text_conversion.h"

bool is_console(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

bool write_readably(HANDLE handle, const std::string &utf8) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  if (is_console(handle)) {
    std::string lines;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r')) lines += '\r';
      lines += utf8[i];
    }
    const std::wstring wide = wide_from_utf8(lines);
    return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
  }
  for (std::size_t done = 0; done < utf8.size(); done += written) {
    if (!WriteFile(handle, utf8.data() + done, static_cast<DWORD>(utf8.size() - done), &written, nullptr) ||
        written == 0) {
      return false;
    }
  }
  return true;
}
