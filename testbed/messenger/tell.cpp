#include "tell.h"

#include "system_error.h"
#include "text_conversion.h"

void tell(const std::wstring &text, bool failure) {
  AttachConsole(ATTACH_PARENT_PROCESS);
  const HANDLE output = GetStdHandle(failure ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD written = 0;
  DWORD mode = 0;
  if (output != nullptr && output != INVALID_HANDLE_VALUE && GetConsoleMode(output, &mode)) {
    // A console takes UTF-16 and lines ended as it ends them; UTF-8 bytes would pass through its
    // code page one by one.
    std::wstring lines;
    for (const wchar_t c : text) lines += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
    if (WriteConsoleW(output, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr)) {
      return;
    }
  } else if (output != nullptr && output != INVALID_HANDLE_VALUE) {
    const std::string bytes = utf8_from_wide(text);
    if (WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
      return;
    }
  }
  MessageBoxW(nullptr, text.c_str(), L"QIP stand-in", failure ? MB_ICONERROR : MB_ICONINFORMATION);
}

std::wstring error_text(DWORD code) {
  return wide_from_utf8(system_error_text(code)) + L" (error " + std::to_wstring(code) + L")";
}
