#include "app_data.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>

#include "text_conversion.h"
#include "windows_error.h"

namespace {

std::wstring full_path(const std::wstring &folder) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFullPathNameW(folder.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return folder;
    if (length < full.size()) return full.substr(0, length);
    full.resize(length);
  }
}

}  // namespace

void use_app_data_folder(const std::wstring &folder) {
  if (!CreateDirectoryW(folder.c_str(), nullptr)) {
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      throw std::runtime_error("cannot make the application data folder " + utf8_from_wide(folder) + ": " +
                               windows_error_text(error));
    }
  }
  const std::wstring path = full_path(folder);
  // The system's block for the Win32 calls, and the C runtime's copy, taken when msvcrt started and
  // shared with the component, which imports msvcrt too.
  SetEnvironmentVariableW(L"APPDATA", path.c_str());
  _wputenv((L"APPDATA=" + path).c_str());
}

std::wstring app_data_folder() {
  std::wstring folder(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableW(L"APPDATA", folder.data(), static_cast<DWORD>(folder.size()));
    if (length < folder.size()) return folder.substr(0, length);
    folder.resize(length);
  }
}
