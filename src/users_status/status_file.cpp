#include "users_status/status_file.h"

// Given by the platform's own implementation (win32_status_file.cpp, or no_status_file.cpp off
// Windows).
status_file &platform_status_file();

namespace {

status_file *installed_file = nullptr;

}  // namespace

status_file &the_status_file() {
  return installed_file != nullptr ? *installed_file : platform_status_file();
}

void use_status_file(status_file *installed) { installed_file = installed; }
