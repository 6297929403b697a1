#pragma once

// The status keeper's one timer, for every wait it has: a retry, a stop's wait for the next track,
// a look at a dialog its user has open, a look for the messenger. It runs on the thread that set it
// (the host's main thread, whose message loop calls it), once, inside the error barrier.

// Replaces any timer set before: `action` runs once after `milliseconds`.
void set_keeper_timer(unsigned milliseconds, void (*action)());

void cancel_keeper_timer();
