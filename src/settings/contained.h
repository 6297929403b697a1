#pragma once

#include <exception>

// Reports a failed dialog action on the host's console as one entry,
// "tunesignal: <action> failed: <message>". Never throws.
void report_failure(const char *action, const char *message) noexcept;

// Runs one message handler of a dialog or window procedure so that no exception leaves the
// procedure (the window manager's frames cannot carry one back to the host). A failure is
// reported and the handler answers false; the caller puts the dialog in a sound state.
template <typename Action>
bool run_contained(const char *action, Action &&body) noexcept {
  try {
    body();
    return true;
  } catch (const std::exception &error) {
    report_failure(action, error.what());
  } catch (...) {
    report_failure(action, "unknown error");
  }
  return false;
}
