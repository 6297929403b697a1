#include "messenger_process.h"

#include "messenger_quit.h"
#include "program_folder.h"

namespace {

// Long enough for a slow machine to start Wine's window system; reaching it means a broken start.
constexpr DWORD start_limit_ms = 60000;

}  // namespace

messenger_process::messenger_process(const wchar_t *options) {
  wchar_t temporary[MAX_PATH];
  GetTempPathW(MAX_PATH, temporary);
  wsprintfW(log_path_, L"%stunesignal-platform-host-%lu.log", temporary, GetCurrentProcessId());
  DeleteFileW(log_path_);

  wchar_t ready_name[64];
  wsprintfW(ready_name, L"TunesignalPlatformHostReady.%lu", GetCurrentProcessId());
  const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, ready_name);

  wchar_t folder[MAX_PATH];
  program_folder(folder);
  wchar_t command[1024];
  wsprintfW(command, L"\"%smessenger.exe\" --ready-event %s --status-log \"%s\" %s", folder, ready_name,
            log_path_, options);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    const HANDLE waits[] = {ready, process_.hProcess};
    ready_ = WaitForMultipleObjects(2, waits, FALSE, start_limit_ms) == WAIT_OBJECT_0;
  }
  if (ready != nullptr) CloseHandle(ready);
}

messenger_process::~messenger_process() {
  end_messenger_process(process_, status_form());
  DeleteFileW(log_path_);
}

bool messenger_process::running() const {
  return ready_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void messenger_process::read_status_log(host_text &log) const {
  log.assign("", pfc::infinite_size);
  const HANDLE file = CreateFileW(log_path_, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char piece[256];
  DWORD got = 0;
  while (ReadFile(file, piece, sizeof piece, &got, nullptr) && got != 0) log.append(piece, got);
  CloseHandle(file);
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
