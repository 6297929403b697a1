#include "this_desktop.h"

void start_on_this_desktop(STARTUPINFOW &startup) {
  // One name for the life of the thread's desktop; CreateProcessW only reads it.
  static wchar_t name[128];
  DWORD needed = 0;
  if (GetUserObjectInformationW(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name, sizeof name,
                                &needed)) {
    startup.lpDesktop = name;
  }
}
