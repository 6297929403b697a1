#include "message_log.h"

#include <cwchar>
#include <map>

#include "control.h"
#include "text_lines.h"

namespace {

std::wstring log_path;
std::map<HWND, std::wstring> roles;

std::wstring hex(UINT value)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%04X", value);
    return text;
}

}  // namespace

void start_message_log(const std::wstring &path)
{
    log_path = path;
}

void name_window(HWND window, const wchar_t *role)
{
    roles[window] = role;
}

void record_message(HWND window, UINT message, WPARAM w_param, LPARAM l_param)
{
    // Only messages sent from another thread: the window system's own traffic stays out of the log.
    if (log_path.empty() || (InSendMessageEx(nullptr) & ISMEX_SEND) == 0 || message == quit_message()
        || message == hang_message()) {
        return;
    }
    const auto role = roles.find(window);
    std::wstring text;
    if (message == WM_SETTEXT && l_param != 0) {
        text = reinterpret_cast<const wchar_t *>(l_param);
    }
    append_line(log_path, log_line({role != roles.end() ? role->second : L"unknown", hex(message),
                                    std::to_wstring(static_cast<unsigned long>(w_param)),
                                    std::to_wstring(static_cast<long>(l_param)), text}));
}
