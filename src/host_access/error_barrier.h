#pragma once

#include <exception>

// Reports a failed action on the host's console as one entry that says what comes of it,
// "tunesignal: <action> failed: <message>; <then>". Never throws.
void report_failure(const char *action, const char *message, const char *then) noexcept;

// Runs one entry of the component that the host or the window manager calls (a playback event,
// the menu command, a hook, a message handler of a dialog) so that no exception leaves it: the host
// expects none from these calls, and the window manager's frames cannot carry one. A failure is
// reported with `then`, what the user can expect now, and the body answers false; the caller puts
// its state right.
template <typename Action>
bool run_contained(const char *action, const char *then, Action &&body) noexcept {
  try {
    body();
    return true;
  } catch (const std::exception &error) {
    report_failure(action, error.what(), then);
  } catch (...) {
    report_failure(action, "unknown error", then);
  }
  return false;
}
