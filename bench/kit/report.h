#pragma once

#include <string>
#include <vector>

#include "measure.h"

// The table scripts/bench prints: one row per benchmark,
//   bench NAME: ours X, baseline Y, ratio R, target T, ok|MISS
// and indented detail lines under it.

std::string fixed(double value, int decimals);

// "12.345 ms" for a time given in seconds.
std::string milliseconds(double seconds);

// "ok" when every target of the benchmark was met; the ratio is shown against its own target.
void print_row(const std::string &name, const std::string &ours, const std::string &baseline, double ratio,
               double target, bool ok);

// An indented line under the row.
void print_detail(const std::string &text);

// One measured case of a benchmark, e.g. one text in one direction.
struct bench_case {
  std::string what;
  timing time;

  double ratio() const { return time.ours / time.baseline; }
};

// The row shows the case with the highest ratio (named in the first detail line), every case follows
// as a detail line. The row is ok when that ratio meets the target and `other_targets_met`.
// Returns whether the row is ok.
bool print_cases(const std::string &name, const std::vector<bench_case> &cases, double target,
                 bool other_targets_met = true);
