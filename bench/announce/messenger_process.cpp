#include "messenger_process.h"

#include <string>

#include "program_folder.h"

namespace {

// Long enough for a slow machine to start Wine's window system; reaching it means a broken start.
constexpr DWORD start_limit_ms = 60000;
constexpr DWORD quit_limit_ms = 20000;

}  // namespace

messenger_process::messenger_process() {
  const std::wstring ready_name = L"TunesignalBenchReady." + std::to_wstring(GetCurrentProcessId());
  const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, ready_name.c_str());
  std::wstring command = L"\"" + program_folder() + L"messenger.exe\" --ready-event \"" + ready_name + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    const HANDLE waits[] = {ready, process_.hProcess};
    ready_ = WaitForMultipleObjects(2, waits, FALSE, start_limit_ms) == WAIT_OBJECT_0;
  }
  CloseHandle(ready);
}

messenger_process::~messenger_process() {
  if (process_.hProcess == nullptr) return;
  const HWND form = status_form();
  const UINT quit = RegisterWindowMessageW(L"TunesignalMessengerQuit");
  DWORD_PTR answer = 0;
  if (form == nullptr || SendMessageTimeoutW(form, quit, 0, 0, SMTO_ABORTIFHUNG, quit_limit_ms, &answer) == 0 ||
      WaitForSingleObject(process_.hProcess, quit_limit_ms) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, quit_limit_ms);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool messenger_process::running() const {
  return ready_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND messenger_process::status_form() const {
  for (HWND form = FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr); form != nullptr;
       form = FindWindowExW(nullptr, form, L"TCusForm", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(form, &owner);
    if (owner == process_.dwProcessId) return form;
  }
  return nullptr;
}
