// Linked into a test program whose messengers and windows must not meet those of tests that run at
// the same time: top-level windows are found per desktop, so the program (and whatever it starts,
// see this_desktop.h) works on a desktop of its own, named for its process. Done before main, while
// the thread has no window yet.
#include <windows.h>

namespace {

const bool on_desktop_of_its_own = [] {
  wchar_t name[64];
  wsprintfW(name, L"Tunesignal.%lu", GetCurrentProcessId());
  const HDESK desktop = CreateDesktopW(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  return desktop != nullptr && SetThreadDesktop(desktop) != FALSE;
}();

}  // namespace
