#pragma once

// One timer for the status keeper's work that waits: it runs on the thread that set it (the host's
// main thread, whose message loop calls it), once, inside the error barrier.

// Replaces any timer set before: `action` runs once after `milliseconds`.
void schedule_retry(unsigned milliseconds, void (*action)());

void cancel_retry();
