#include "tell.h"

#include "text_conversion.h"

void tell(const std::wstring &text, bool failure) {
  AttachConsole(ATTACH_PARENT_PROCESS);
  const HANDLE output = GetStdHandle(failure ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (output != nullptr && output != INVALID_HANDLE_VALUE) {
    const std::string bytes = utf8_from_wide(text);
    if (WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
      return;
    }
  }
  MessageBoxW(nullptr, text.c_str(), L"QIP stand-in", failure ? MB_ICONERROR : MB_ICONINFORMATION);
}

std::wstring error_text(DWORD code) {
  wchar_t *text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
  std::wstring words(text, length);
  LocalFree(text);
  while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L'.')) {
    words.pop_back();
  }
  return (words.empty() ? L"error" : words) + L" (error " + std::to_wstring(code) + L")";
}
