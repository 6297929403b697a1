#include "message_log.h"

#include <cwchar>
#include <map>

#include "control.h"
#include "hang.h"
#include "text_lines.h"

namespace {

std::wstring log_path;
std::map<HWND, std::wstring> roles;
int depth = 0;

std::wstring hex(UINT value) {
  wchar_t text[16];
  std::swprintf(text, 16, L"0x%04X", value);
  return text;
}

// What the window system itself sends a program's windows from another thread when the active
// window changes anywhere on the display (tests running beside each other do that): never the
// component's, so not logged.
bool sent_by_window_system(UINT message) {
  switch (message) {
    case WM_CANCELMODE:
    case WM_ACTIVATEAPP:
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return true;
    default:
      return false;
  }
}

}  // namespace

void start_message_log(const std::wstring &path) { log_path = path; }

void name_window(HWND window, const wchar_t *role) { roles[window] = role; }

handled_message::handled_message(HWND window, UINT message, WPARAM w_param, LPARAM l_param)
    : from_outside_((depth == 0 || hanging()) &&
                    (InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_NOTIFY)) != 0) {
  ++depth;
  if (!from_outside_) return;
  const bool steering = is_control_message(message, l_param);
  if (!steering && !sent_by_window_system(message)) note(window, message, w_param, l_param);
  if (hanging() && leave_unanswered()) request_given_up_ = steering;
}

void handled_message::note(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (log_path.empty()) return;
  const auto role = roles.find(window);
  std::wstring text;
  if (message == WM_SETTEXT && l_param != 0) {
    text = reinterpret_cast<const wchar_t *>(l_param);
  }
  append_line(log_path, log_line({role != roles.end() ? role->second : L"unknown", hex(message),
                                  std::to_wstring(static_cast<unsigned long>(w_param)),
                                  std::to_wstring(static_cast<long>(l_param)), text}));
}

handled_message::~handled_message() { --depth; }
