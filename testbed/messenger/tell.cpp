#include "tell.h"

#include "readable_output.h"
#include "system_error.h"
#include "text_conversion.h"

void tell(const std::wstring &text, bool failure) {
  AttachConsole(ATTACH_PARENT_PROCESS);
  if (write_readably(GetStdHandle(failure ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), utf8_from_wide(text))) {
    return;
  }
  MessageBoxW(nullptr, text.c_str(), L"QIP stand-in", failure ? MB_ICONERROR : MB_ICONINFORMATION);
}

std::wstring error_text(DWORD code) {
  return wide_from_utf8(system_error_text(code)) + L" (error " + std::to_wstring(code) + L")";
}
