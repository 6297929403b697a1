#include "measure.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int repetitions(int argc, char **argv, int steady) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) return 1;
  }
  return steady;
}

double seconds_of(const std::function<void()> &work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

timing measure(int count, const std::function<void()> &ours, const std::function<void()> &baseline,
               const std::function<void()> &before_each) {
  std::vector<double> ours_seconds;
  std::vector<double> baseline_seconds;
  for (int i = 0; i < count; ++i) {
    const bool ours_first = i % 2 == 0;
    for (int side = 0; side < 2; ++side) {
      const bool run_ours = (side == 0) == ours_first;
      before_each();
      (run_ours ? ours_seconds : baseline_seconds).push_back(seconds_of(run_ours ? ours : baseline));
    }
  }
  return {median(ours_seconds), median(baseline_seconds)};
}
