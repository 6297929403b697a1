#include "control.h"

#include "tell.h"

UINT quit_message() {
  static const UINT message = RegisterWindowMessageW(L"TunesignalMessengerQuit");
  return message;
}

UINT hang_message() {
  static const UINT message = RegisterWindowMessageW(L"TunesignalMessengerHang");
  return message;
}

std::wstring resume_event_name(DWORD process_id) {
  return L"TunesignalMessengerResume." + std::to_wstring(process_id);
}

namespace {

constexpr UINT answer_limit_ms = 5000;

}  // namespace

int run_control(const options &request) {
  const HWND status_form = FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr);
  if (status_form == nullptr) {
    tell(L"messenger: no messenger is running\n", true);
    return 2;
  }
  if (request.control == L"resume") {
    DWORD process_id = 0;
    GetWindowThreadProcessId(status_form, &process_id);
    const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, resume_event_name(process_id).c_str());
    if (event == nullptr) {
      tell(L"messenger: the status dialog found belongs to process " + std::to_wstring(process_id) +
               L", which is not the stand-in messenger\n",
           true);
      return 2;
    }
    SetEvent(event);
    CloseHandle(event);
    return 0;
  }
  const UINT message = request.control == L"quit" ? quit_message() : hang_message();
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(status_form, message, request.hang_ms, 0, SMTO_ABORTIFHUNG, answer_limit_ms,
                          &answer) == 0) {
    tell(L"messenger: the running messenger does not answer: it hangs (--control resume ends a hang)\n",
         true);
    return 1;
  }
  return 0;
}
