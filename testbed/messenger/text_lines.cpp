#include "text_lines.h"

#include "text_conversion.h"

#include <windows.h>

#include <cstdio>

std::string log_line(const std::vector<std::wstring> &fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) {
      line += '\t';
    }
    for (char c : utf8_from_wide(fields[i])) {
      switch (c) {
        case '\t':
          line += "\\t";
          break;
        case '\n':
          line += "\\n";
          break;
        case '\r':
          line += "\\r";
          break;
        case '\\':
          line += "\\\\";
          break;
        default:
          line += c;
      }
    }
  }
  return line + '\n';
}

void append_line(const std::wstring &path, const std::string &line) {
  FILE *file = _wfopen(path.c_str(), L"ab");
  if (file == nullptr) {
    return;
  }
  std::fwrite(line.data(), 1, line.size(), file);
  std::fclose(file);
}

unsigned long append_failure(const std::wstring &path) {
  const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return GetLastError();
  }
  CloseHandle(file);
  return ERROR_SUCCESS;
}
