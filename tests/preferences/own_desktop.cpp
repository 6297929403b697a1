#include <windows.h>

namespace {

// The page and the editor run on a desktop of their own, so that the keyboard focus they are
// tested for stays theirs while tests of the messenger, run at the same time, activate windows on
// the shared desktop. scripts/setup gives this desktop a size in the Wine prefix, which makes it a
// virtual desktop: on the shared display's own windows the focus was still taken (once in ten
// runs). Done before main, while the thread has no window yet.
const bool on_own_desktop = [] {
  const HDESK desktop =
      CreateDesktopW(L"TunesignalPreferencesTests", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  return desktop != nullptr && SetThreadDesktop(desktop) != FALSE;
}();

}  // namespace
