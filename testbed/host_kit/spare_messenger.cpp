#include "spare_messenger.h"

#include "this_desktop.h"

namespace {

// Room for the options handed over, a long status included.
constexpr DWORD options_room = 64 * 1024;

}  // namespace

bool spare_messenger::take(const wchar_t *options, PROCESS_INFORMATION &process) {
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

void spare_messenger::start(const wchar_t *folder) {
  if (process_.hProcess != nullptr) return;
  // The objects of the one taken before stay until now, when it has read them: it may be taken
  // before it has even opened them, and they go with their last handle.
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
  start_on_this_desktop(startup);
  if (go_ == nullptr || text_ == nullptr ||
      !CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    process_ = {};
    close_handles();
  }
}

void spare_messenger::let_go() {
  if (process_.hProcess != nullptr) {
    text_[0] = 0;
    SetEvent(go_);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
  }
  close_handles();
}

void spare_messenger::close_handles() {
  if (text_ != nullptr) UnmapViewOfFile(text_);
  if (mapping_ != nullptr) CloseHandle(mapping_);
  if (go_ != nullptr) CloseHandle(go_);
  text_ = nullptr;
  mapping_ = nullptr;
  go_ = nullptr;
}
