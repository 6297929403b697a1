#pragma once

#include <exception>

#include "host_access/console_texts.h"

// Reports a failed action on the host's console as one entry that says what comes of it,
// "tunesignal: <action> failed: <message>; <what comes next>". Never throws.
void report_failure(const console_texts::failure &what, const char *message) noexcept;

// Runs one entry of the component that the host or the window manager calls (a playback event,
// the menu command, a hook, a dialog procedure) so that no exception leaves it: the host expects
// none from these calls, and the window manager's frames cannot carry one. A failure is reported
// with what the user can expect now, and the body answers false; the caller puts its state right.
template <typename Action>
bool run_contained(const console_texts::failure &what, Action &&body) noexcept {
  try {
    body();
    return true;
  } catch (const std::exception &error) {
    report_failure(what, error.what());
  } catch (...) {
    report_failure(what, console_texts::unknown_error);
  }
  return false;
}
