#include "host_access/error_barrier.h"

#include "host_access/host_access.h"
#include "support/string8.h"

void report_failure(const char *action, const char *message, const char *then) noexcept {
  try {
    pfc::string8 line("tunesignal: ");
    line.append(action);
    line.append(" failed: ");
    line.append(message);
    line.append("; ");
    line.append(then);
    console_print(line.text());
  } catch (...) {
    // Out of memory for the line itself: nothing more can be said.
  }
}
