#include "waiting_start.h"

#include <windows.h>

#include <cwchar>

namespace {

// Closes a handle however the scope is left.
struct handle_holder {
  HANDLE handle;
  ~handle_holder() {
    if (handle != nullptr) CloseHandle(handle);
  }
};

}  // namespace

std::vector<std::wstring> split_command_line(const wchar_t *line) {
  std::vector<std::wstring> arguments;
  const wchar_t *p = line;
  for (;;) {
    while (*p == L' ' || *p == L'\t') ++p;
    if (*p == 0) break;
    std::wstring argument;
    bool quoted = false;
    for (; *p != 0 && (quoted || (*p != L' ' && *p != L'\t')); ++p) {
      std::size_t backslashes = 0;
      while (*p == L'\\') ++backslashes, ++p;
      if (*p == L'"') {
        argument.append(backslashes / 2, L'\\');
        if (backslashes % 2 == 1) {
          argument += L'"';
        } else {
          quoted = !quoted;
        }
      } else {
        argument.append(backslashes, L'\\');
        if (*p == 0) break;
        argument += *p;
      }
    }
    arguments.push_back(argument);
  }
  return arguments;
}

bool wait_for_options(const std::wstring &name, std::vector<std::wstring> &arguments) {
  const std::wstring event_name = L"TunesignalMessengerOptions." + name;
  const handle_holder go{OpenEventW(SYNCHRONIZE, FALSE, event_name.c_str())};
  const handle_holder mapping{OpenFileMappingW(FILE_MAP_READ, FALSE, (event_name + L".text").c_str())};
  const handle_holder driver{
      OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::wcstoul(name.c_str(), nullptr, 10)))};
  if (go.handle == nullptr || mapping.handle == nullptr || driver.handle == nullptr) return false;
  const HANDLE waits[] = {go.handle, driver.handle};
  if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) return false;
  const auto *text = static_cast<const wchar_t *>(MapViewOfFile(mapping.handle, FILE_MAP_READ, 0, 0, 0));
  if (text == nullptr) return false;
  arguments = split_command_line(text);
  UnmapViewOfFile(text);
  return !arguments.empty();
}
