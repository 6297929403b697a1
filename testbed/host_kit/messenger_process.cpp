#include "messenger_process.h"

#include "program_folder.h"
#include "spare_messenger.h"
#include "window_process.h"

namespace {

// Long enough for a slow machine to start Wine's window system; reaching it means a broken start.
constexpr DWORD start_limit_ms = 60000;
constexpr DWORD answer_limit_ms = 20000;

// Asked to quit through its status form, and ended by force when it has no form, does not answer
// or does not go within the limit. Closes the process's handles.
void end_messenger_process(PROCESS_INFORMATION &process, HWND status_form) {
  if (process.hProcess == nullptr) return;
  const UINT quit = RegisterWindowMessageW(L"TunesignalMessengerQuit");
  DWORD_PTR answer = 0;
  if (status_form == nullptr ||
      SendMessageTimeoutW(status_form, quit, 0, 0, SMTO_ABORTIFHUNG, answer_limit_ms, &answer) == 0 ||
      WaitForSingleObject(process.hProcess, answer_limit_ms) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, answer_limit_ms);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = {};
}

void temporary_path(wchar_t (&path)[MAX_PATH + 64], const wchar_t *kind) {
  static unsigned long counter = 0;
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  wsprintfW(path, L"%stunesignal-%s-%lu-%lu.log", folder, kind, GetCurrentProcessId(), ++counter);
  DeleteFileW(path);
}

spare_messenger spare;

}  // namespace

messenger_process::messenger_process(const wchar_t *options, bool logs) {
  wchar_t ready_name[64];
  wsprintfW(ready_name, L"TunesignalMessengerReady.%lu.%lx", GetCurrentProcessId(),
            static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(this)));
  const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, ready_name);

  wchar_t folder[MAX_PATH];
  program_folder(folder);
  wchar_t logging[2 * MAX_PATH + 200] = {};
  if (logs) {
    temporary_path(status_log_, L"status");
    temporary_path(message_log_, L"messages");
    wsprintfW(logging, L"--status-log \"%s\" --message-log \"%s\"", status_log_, message_log_);
  }
  // wsprintf writes at most 1024 characters: the options, which may hold a long status, are
  // copied on their own.
  const int room = 2 * MAX_PATH + 400 + lstrlenW(options);
  auto *arguments = static_cast<wchar_t *>(HeapAlloc(GetProcessHeap(), 0, room * sizeof(wchar_t)));
  if (arguments == nullptr) return;
  wsprintfW(arguments, L"--ready-event %s %s ", ready_name, logging);
  lstrcatW(arguments, options);
  // Every messenger starts as a spare, which then comes up with these options; the next spare
  // starts once this one is ready.
  spare.start(folder);
  if (spare.take(arguments, process_)) {
    const HANDLE waits[] = {ready, process_.hProcess};
    ready_ = WaitForMultipleObjects(2, waits, FALSE, start_limit_ms) == WAIT_OBJECT_0;
  }
  HeapFree(GetProcessHeap(), 0, arguments);
  if (ready != nullptr) CloseHandle(ready);
  spare.start(folder);
}

messenger_process::~messenger_process() {
  end_messenger_process(process_, status_form());
  if (status_log_[0] != 0) DeleteFileW(status_log_);
  if (message_log_[0] != 0) DeleteFileW(message_log_);
}

bool messenger_process::running() const {
  return ready_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND messenger_process::status_form() const {
  return top_level_of_process(L"TCusForm", process_.dwProcessId);
}

// The messenger's own requests are registered messages to its status form, the time in wParam; a
// messenger that hangs already does not take them.
void messenger_process::steer(const wchar_t *request, DWORD milliseconds) const {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(status_form(), RegisterWindowMessageW(request), milliseconds, 0, SMTO_ABORTIFHUNG,
                      answer_limit_ms, &answer);
}

void messenger_process::hang(DWORD milliseconds) { steer(L"TunesignalMessengerHang", milliseconds); }

void messenger_process::slow_apply(DWORD milliseconds) {
  steer(L"TunesignalMessengerSlowApply", milliseconds);
}

void messenger_process::slow_open(DWORD milliseconds) { steer(L"TunesignalMessengerSlowOpen", milliseconds); }

void messenger_process::resume() {
  wchar_t name[64];
  wsprintfW(name, L"TunesignalMessengerResume.%lu", process_.dwProcessId);
  const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  if (event == nullptr) return;
  SetEvent(event);
  CloseHandle(event);
}

void messenger_process::kill() {
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, answer_limit_ms);
}

bool messenger_process::act_as_user(unsigned command, const wchar_t *data, DWORD length) const {
  COPYDATASTRUCT request = {command, length * static_cast<DWORD>(sizeof(wchar_t)),
                            const_cast<wchar_t *>(data)};
  DWORD_PTR answer = 0;
  // The messenger answers 1 for an action done.
  return SendMessageTimeoutW(status_form(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request),
                             SMTO_ABORTIFHUNG, answer_limit_ms, &answer) != 0 &&
         answer == 1;
}
