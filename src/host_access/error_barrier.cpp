#include "host_access/error_barrier.h"

#include "host_access/host_access.h"
#include "support/string8.h"

void report_failure(const console_texts::failure &what, const char *message) noexcept {
  try {
    pfc::string8 line(what.action);
    line.append(console_texts::failed);
    line.append(message);
    line.append("; ");
    line.append(what.what_comes_next);
    print_own_line(line.text());
  } catch (...) {
    // Out of memory for the line itself: nothing more can be said.
  }
}
