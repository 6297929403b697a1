#pragma once

#include <windows.h>

#include <string>

// The folder of the running program, with its trailing separator: the player, the stand-ins, the
// component and the test programs all stand side by side in one folder.
inline std::wstring program_folder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder;
}
