#pragma once

#include <windows.h>

// The folder of this program, with its trailing backslash.
void program_folder(wchar_t (&folder)[MAX_PATH]);
