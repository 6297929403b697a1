#include "samples.h"

namespace {

void sort(double *values, int count) {
  for (int i = 1; i < count; ++i) {
    const double value = values[i];
    int j = i;
    for (; j > 0 && values[j - 1] > value; --j) values[j] = values[j - 1];
    values[j] = value;
  }
}

double square_root(double x) {
  double root = x > 1 ? x : 1;
  for (int i = 0; i < 40; ++i) root = (root + x / root) / 2;
  return root;
}

int clamped(int rank, int count) { return rank < 0 ? 0 : rank >= count ? count - 1 : rank; }

}  // namespace

interval median_interval(double *values, int count) {
  if (count == 0) return {0, 0, 0};
  sort(values, count);
  const int middle = count / 2;
  const double median = count % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
  // Ranks n/2 -/+ 1.96 sqrt(n)/2 (1-based: the lower one rounded down, the upper one up).
  const double half_width = 0.98 * square_root(count);
  const int low = static_cast<int>(count / 2.0 - half_width) - 1;
  const int high = static_cast<int>(count / 2.0 + 1 + half_width + 0.999);
  return {values[clamped(low, count)], median, values[clamped(high - 1, count)]};
}

pair_collector::pair_collector(int count)
    : ours_(new double[count]), baseline_(new double[count]), ratio_(new double[count]) {}

pair_collector::~pair_collector() {
  delete[] ours_;
  delete[] baseline_;
  delete[] ratio_;
}

void pair_collector::add(double ours, double baseline) {
  ours_[count_] = ours;
  baseline_[count_] = baseline;
  ratio_[count_] = baseline > 0 ? ours / baseline : 0;
  ++count_;
}

timing pair_collector::result() {
  return {median_interval(ours_, count_), median_interval(baseline_, count_),
          median_interval(ratio_, count_)};
}
