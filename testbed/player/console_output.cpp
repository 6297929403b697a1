#include "console_output.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "text_conversion.h"

namespace {

bool is_console(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

std::wstring console_lines(const std::string &utf8) {
  std::string text;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r')) text += '\r';
    text += utf8[i];
  }
  return wide_from_utf8(text);
}

void write_to(DWORD which, const std::string &utf8) {
  const HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || utf8.empty()) return;
  DWORD written = 0;
  if (is_console(handle)) {
    const std::wstring wide = console_lines(utf8);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  for (std::size_t done = 0; done < utf8.size(); done += written) {
    if (!WriteFile(handle, utf8.data() + done, static_cast<DWORD>(utf8.size() - done), &written, nullptr) ||
        written == 0) {
      return;
    }
  }
}

}  // namespace

void print_text(const std::string &utf8) { write_to(STD_OUTPUT_HANDLE, utf8); }

void print_error_text(const std::string &utf8) { write_to(STD_ERROR_HANDLE, utf8); }

void say(const char *format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::va_list again;
  va_copy(again, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, arguments);
  va_end(arguments);
  std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  print_text(text);
}

bool console_shows_typing() {
  return is_console(GetStdHandle(STD_INPUT_HANDLE)) && is_console(GetStdHandle(STD_OUTPUT_HANDLE));
}
