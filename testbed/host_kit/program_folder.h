#pragma once

#include <windows.h>

// The folder of the running program, with its trailing backslash: the player, the stand-ins, the
// component and the test programs all stand side by side in one folder.
void program_folder(wchar_t (&folder)[MAX_PATH]);

// The component's file, as the build puts it in dist/ and beside the programs that load it.
constexpr wchar_t component_file_name[] = L"foo_tunesignal.dll";

// The platform-ABI programs go without the C++ standard library; the others have this too.
#ifndef _MSC_VER
#include <string>

inline std::wstring program_folder() {
  wchar_t folder[MAX_PATH];
  program_folder(folder);
  return folder;
}

// The component beside the running program.
inline std::wstring component_beside_program() { return program_folder() + component_file_name; }
#endif
