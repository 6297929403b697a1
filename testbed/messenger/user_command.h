#pragma once

#include <windows.h>

#include <string>

// What other programs ask a running stand-in to do as its user, in its own status dialog: a
// WM_COPYDATA to the status form with one of these codes in dwData. type and set carry the picture
// (as decimal digits), the top text and the bottom text in UTF-16, each ended by a null character.
// The answer is 1 once the action is done, the dialog shown or hidden as it ends.
enum class user_command : ULONG_PTR {
  open = 0x54530001,  // "TS" and a number: no other program's WM_COPYDATA is taken for a command
  type,
  ok,
  cancel,
  close,
  set,
};

inline std::wstring user_command_data(int picture, const std::wstring &top, const std::wstring &bottom) {
  std::wstring data = std::to_wstring(picture);
  data += L'\0';
  data += top;
  data += L'\0';
  data += bottom;
  data += L'\0';
  return data;
}
