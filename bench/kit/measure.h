#pragma once

#include <functional>

// Timing of one benchmark against its baseline in the same run: the two alternate, so that a machine
// that slows down or speeds up during the run affects both alike.

// How often each side runs: once for --quick (a run that only shows that the benchmark works),
// otherwise `steady` times, often enough for a steady median (more for runs of a millisecond or
// two, which the system's own work disturbs more).
int repetitions(int argc, char **argv, int steady = 7);

// Seconds one call of `work` takes.
double seconds_of(const std::function<void()> &work);

struct timing {
  double ours;      // median seconds
  double baseline;  // median seconds
};

// Runs ours and the baseline `count` times each, alternating which goes first, and takes each
// side's median. `before_each` runs untimed before every call of either side.
timing measure(int count, const std::function<void()> &ours, const std::function<void()> &baseline,
               const std::function<void()> &before_each = [] {});
