#include "control.h"

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

int run_control(const options &request) {
  const HWND status_form = FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr);
  if (status_form == nullptr) {
    return 2;
  }
  if (request.control == L"resume") {
    DWORD process_id = 0;
    GetWindowThreadProcessId(status_form, &process_id);
    const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, resume_event_name(process_id).c_str());
    if (event == nullptr) {
      return 2;
    }
    SetEvent(event);
    CloseHandle(event);
    return 0;
  }
  const UINT message = request.control == L"quit" ? quit_message() : hang_message();
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(status_form, message, request.hang_ms, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0
             ? 0
             : 1;
}
