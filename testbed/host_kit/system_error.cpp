#include "system_error.h"

#include <windows.h>

#include "text_conversion.h"

std::string system_error_text(unsigned long code) {
  wchar_t *text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
  std::wstring words(text, length);
  LocalFree(text);
  while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L'.')) {
    words.pop_back();
  }
  return words.empty() ? "an unknown error" : utf8_from_wide(words);
}
