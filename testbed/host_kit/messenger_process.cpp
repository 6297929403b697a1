#include "messenger_process.h"

#include "messenger_quit.h"
#include "program_folder.h"

namespace {

// Long enough for a slow machine to start Wine's window system; reaching it means a broken start.
constexpr DWORD start_limit_ms = 60000;
constexpr DWORD answer_limit_ms = 20000;
// Room for the options handed to a messenger started ahead of need, a long status included.
constexpr DWORD options_room = 64 * 1024;

void temporary_path(wchar_t (&path)[MAX_PATH + 64], const wchar_t *kind) {
  static unsigned long counter = 0;
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  wsprintfW(path, L"%stunesignal-%s-%lu-%lu.log", folder, kind, GetCurrentProcessId(), ++counter);
  DeleteFileW(path);
}

// Under Wine most of a messenger's start is the process and the window system coming up. So the
// next messenger is started as soon as one is taken, and waits, without windows, for the options
// (messenger.exe --wait-for-options): the tests' time goes on while it comes up. One that is never
// taken is told so when this program ends, and ends too.
class spare_messenger {
 public:
  ~spare_messenger() { let_go(); }

  // Hands the options to the waiting messenger, whose process becomes the caller's, who waits
  // until it is ready before starting the next. False when there is none.
  bool take(const wchar_t *options, PROCESS_INFORMATION &process) {
    if (process_.hProcess == nullptr || WaitForSingleObject(process_.hProcess, 0) != WAIT_TIMEOUT) {
      let_go();
      return false;
    }
    lstrcpynW(text_, options, options_room / sizeof(wchar_t));
    SetEvent(go_);
    process = process_;
    process_ = {};
    return true;
  }

  // The objects of a messenger taken before stay until it has read them: a messenger may be taken
  // before it has even opened them, and they go with their last handle.
  void start(const wchar_t *folder) {
    if (process_.hProcess != nullptr) return;
    close_handles();
    static unsigned long counter = 0;
    wchar_t name[64];
    wsprintfW(name, L"%lu.%lu", GetCurrentProcessId(), ++counter);
    wchar_t object[128];
    wsprintfW(object, L"TunesignalMessengerOptions.%s", name);
    go_ = CreateEventW(nullptr, TRUE, FALSE, object);
    lstrcatW(object, L".text");
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, options_room, object);
    text_ = mapping_ != nullptr
                ? static_cast<wchar_t *>(MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, options_room))
                : nullptr;
    wchar_t command[MAX_PATH + 128];
    wsprintfW(command, L"\"%smessenger.exe\" --wait-for-options %s", folder, name);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (go_ == nullptr || text_ == nullptr ||
        !CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
      process_ = {};
      close_handles();
    }
  }

 private:
  // An empty text tells a waiting messenger that it is not needed.
  void let_go() {
    if (process_.hProcess != nullptr) {
      text_[0] = 0;
      SetEvent(go_);
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
      process_ = {};
    }
    close_handles();
  }

  void close_handles() {
    if (text_ != nullptr) UnmapViewOfFile(text_);
    if (mapping_ != nullptr) CloseHandle(mapping_);
    if (go_ != nullptr) CloseHandle(go_);
    text_ = nullptr;
    mapping_ = nullptr;
    go_ = nullptr;
  }

  PROCESS_INFORMATION process_ = {};
  HANDLE go_ = nullptr;
  HANDLE mapping_ = nullptr;
  wchar_t *text_ = nullptr;
};

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
  const int head_room = MAX_PATH + 2 * MAX_PATH + 400;
  const int room = head_room + lstrlenW(options) + 2;
  auto *command = static_cast<wchar_t *>(HeapAlloc(GetProcessHeap(), 0, room * sizeof(wchar_t)));
  if (command == nullptr) return;
  wsprintfW(command, L"\"%smessenger.exe\" --ready-event %s %s ", folder, ready_name, logging);
  lstrcatW(command, options);
  // The options alone, after the program's name, for a messenger that is already running.
  const wchar_t *arguments = command + lstrlenW(folder) + lstrlenW(L"\"messenger.exe\" ");
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (spare.take(arguments, process_) ||
      CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    const HANDLE waits[] = {ready, process_.hProcess};
    ready_ = WaitForMultipleObjects(2, waits, FALSE, start_limit_ms) == WAIT_OBJECT_0;
  }
  HeapFree(GetProcessHeap(), 0, command);
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
  for (HWND form = FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr); form != nullptr;
       form = FindWindowExW(nullptr, form, L"TCusForm", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(form, &owner);
    if (owner == process_.dwProcessId) return form;
  }
  return nullptr;
}

void messenger_process::hang(DWORD milliseconds) {
  const UINT hang_request = RegisterWindowMessageW(L"TunesignalMessengerHang");
  SendMessageW(status_form(), hang_request, milliseconds, 0);
}

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

void messenger_process::ask(unsigned command, const wchar_t *data, DWORD length) const {
  COPYDATASTRUCT request = {command, length * static_cast<DWORD>(sizeof(wchar_t)),
                            const_cast<wchar_t *>(data)};
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(status_form(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request), SMTO_ABORTIFHUNG,
                      answer_limit_ms, &answer);
}
