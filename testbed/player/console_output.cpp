#include "console_output.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "readable_output.h"

namespace {

void write_to(DWORD which, const std::string &utf8) {
  if (!utf8.empty()) write_readably(GetStdHandle(which), utf8);
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
