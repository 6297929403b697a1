// The player's library functions that set and read window text in UTF-8. They convert with the
// system's own converters (text_conversion.h), independently of the component's.
#include <windows.h>

#include <string>

#include "support/string_base.h"
#include "text_conversion.h"

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
  out.assign(utf8_from_wide(window_text(window)).c_str());
  return TRUE;
}
