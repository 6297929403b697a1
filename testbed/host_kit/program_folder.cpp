#include "program_folder.h"

void program_folder(wchar_t (&folder)[MAX_PATH]) {
  DWORD length = GetModuleFileNameW(nullptr, folder, MAX_PATH);
  while (length > 0 && folder[length - 1] != L'\\' && folder[length - 1] != L'/') --length;
  folder[length] = 0;
}
