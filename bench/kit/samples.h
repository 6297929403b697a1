#pragma once

#include "no_copy.h"

// Timing of ours against a baseline in pairs: each pair runs both sides back to back, the order
// alternating from one pair to the next, so that a machine that slows down or speeds up during the
// run affects both alike. The judgement rests on the ratio within each pair. Written without the
// C++ standard library, so that the benchmarks built as the DLL is built use it too.

// A median and the 95 % interval around it that the order statistics of the samples give: the true
// median lies between low and high, whatever the distribution of the samples.
struct interval {
  double low;
  double middle;
  double high;
};

// Sorts `values` in place.
interval median_interval(double *values, int count);

struct timing {
  interval ours;      // seconds
  interval baseline;  // seconds
  interval ratio;     // ours / baseline, pair by pair
};

// Seconds on a steady clock.
double seconds_now();

// Collects the pairs of one measurement.
class pair_collector : private no_copy {
 public:
  explicit pair_collector(int count);
  ~pair_collector();

  void add(double ours, double baseline);
  timing result();

  // The last pair added.
  double last_ours() const { return ours_[count_ - 1]; }

 private:
  double *ours_;
  double *baseline_;
  double *ratio_;
  int count_ = 0;
};

struct nothing_before {
  void operator()() const {}
};

// Runs ours and the baseline once each, back to back, ours first or second as asked, and adds the
// pair. `before_each` runs untimed before either side.
template <typename Ours, typename Baseline, typename Before = nothing_before>
void measure_pair(pair_collector &pairs, bool ours_first, Ours ours, Baseline baseline,
                  Before before_each = Before()) {
  double ours_seconds = 0;
  double baseline_seconds = 0;
  for (int side = 0; side < 2; ++side) {
    before_each();
    const double start = seconds_now();
    if ((side == 0) == ours_first) {
      ours();
      ours_seconds = seconds_now() - start;
    } else {
      baseline();
      baseline_seconds = seconds_now() - start;
    }
  }
  pairs.add(ours_seconds, baseline_seconds);
}

// Runs ours and the baseline `count` times each, in pairs, the order alternating. `before_each`
// runs untimed before every call of either side.
template <typename Ours, typename Baseline, typename Before = nothing_before>
timing measure(int count, Ours ours, Baseline baseline, Before before_each = Before()) {
  pair_collector pairs(count);
  for (int i = 0; i < count; ++i) measure_pair(pairs, i % 2 == 0, ours, baseline, before_each);
  return pairs.result();
}
