#include "own_app_data.h"

namespace {

void pattern_in(const wchar_t *folder, const wchar_t *start, wchar_t (&pattern)[MAX_PATH + 64]) {
  lstrcpynW(pattern, folder, MAX_PATH);
  lstrcatW(pattern, L"\\");
  lstrcatW(pattern, start);
  lstrcatW(pattern, L"*");
}

}  // namespace

own_app_data::own_app_data() {
  wchar_t temporary[MAX_PATH];
  GetTempPathW(MAX_PATH, temporary);
  GetTempFileNameW(temporary, L"app", 0, folder_);
  DeleteFileW(folder_);
  CreateDirectoryW(folder_, nullptr);
  had_earlier_ = GetEnvironmentVariableW(L"APPDATA", earlier_, MAX_PATH) != 0;
  SetEnvironmentVariableW(L"APPDATA", folder_);
}

own_app_data::~own_app_data() {
  SetEnvironmentVariableW(L"APPDATA", had_earlier_ ? earlier_ : nullptr);
  wchar_t pattern[MAX_PATH + 64];
  pattern_in(folder_, L"", pattern);
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(pattern, &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      wchar_t file[MAX_PATH + 64];
      lstrcpynW(file, folder_, MAX_PATH);
      lstrcatW(file, L"\\");
      lstrcatW(file, found.cFileName);
      DeleteFileW(file);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder_);
}

bool own_app_data::holds_file_starting(const wchar_t *start) const {
  wchar_t pattern[MAX_PATH + 64];
  pattern_in(folder_, start, pattern);
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(pattern, &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}
