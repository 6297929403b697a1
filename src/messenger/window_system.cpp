#include "messenger/window_system.h"

// Given by the platform's own implementation (win32_window_system.cpp, or no_window_system.cpp off
// Windows).
window_system &platform_window_system();
clock_source &platform_clock_source();

namespace {

window_system *installed_windows = nullptr;
clock_source *installed_clock = nullptr;

}  // namespace

window_system &the_window_system() {
  return installed_windows != nullptr ? *installed_windows : platform_window_system();
}

void use_window_system(window_system *installed) { installed_windows = installed; }

clock_source &the_clock() { return installed_clock != nullptr ? *installed_clock : platform_clock_source(); }

void use_clock(clock_source *installed) { installed_clock = installed; }
