// The player's library functions that set and read window text in UTF-8. They convert with the
// system's own converters, independently of the component's, so that a mistake on either side
// shows up as different text.
#include <windows.h>

#include <string>

#include "support/string_base.h"

namespace {

std::wstring wide_from_utf8(const char *text) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (units <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), units);
  wide.resize(static_cast<size_t>(units - 1));
  return wide;
}

std::string utf8_from_wide(const std::wstring &wide) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string text(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), bytes, nullptr, nullptr);
  text.resize(static_cast<size_t>(bytes - 1));
  return text;
}

}  // namespace

extern "C" BOOL __stdcall uSetDlgItemText(HWND dialog, UINT control_id, const char *text) {
  return SetDlgItemTextW(dialog, static_cast<int>(control_id),
                         wide_from_utf8(text != nullptr ? text : "").c_str());
}

// A window that does not exist leaves `out` empty and answers FALSE.
extern "C" BOOL __stdcall uGetWindowText(HWND window, pfc::string_base &out) {
  if (!IsWindow(window)) {
    out.assign("");
    return FALSE;
  }
  const int length = GetWindowTextLengthW(window);
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, wide.data(), length + 1);
  wide.resize(static_cast<size_t>(copied));
  out.assign(utf8_from_wide(wide).c_str());
  return TRUE;
}
