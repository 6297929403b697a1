// Discovery of the messenger's windows among 1,000 and 10,000 decoys in this process, against a
// bare walk of the window system that finds the same windows.
#include <cstdio>
#include <cstring>
#include <string>

#include "bare_walk.h"
#include "crowded_desktop.h"
#include "measure.h"
#include "report.h"

namespace {

constexpr double ratio_target = 1.5;
constexpr double scaling_target = 12.0;
// Searches per timed call: one is too short to time steadily.
constexpr int searches_per_call = 20;

bool same_table(const messenger_window_table &a, const messenger_window_table &b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// False when the desktop could not be made or a search found other windows than the messenger's.
bool run_with(int decoys, int repetitions, bench_case &result) {
  const crowded_desktop desktop(decoys);
  if (!desktop.created()) return false;
  find_messenger_windows();
  if (!same_table(messenger_windows, desktop.messenger()) || !same_table(bare_walk(), desktop.messenger())) {
    return false;
  }
  result = {std::to_string(decoys) + " decoys, x" + std::to_string(searches_per_call),
            measure(
                repetitions,
                [] {
                  for (int i = 0; i < searches_per_call; ++i) find_messenger_windows();
                },
                [] {
                  for (int i = 0; i < searches_per_call; ++i) bare_walk();
                })};
  reset_messenger_windows();
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  const int count = repetitions(argc, argv);
  bench_case small;
  bench_case large;
  if (!run_with(1000, count, small) || !run_with(10000, count, large)) {
    std::fprintf(stderr, "bench discovery: the windows could not be made, or were not all found\n");
    return 1;
  }
  const double scaling = large.time.ours / small.time.ours;
  const bool linear = scaling <= scaling_target;
  print_cases("discovery", {small, large}, ratio_target, linear);
  print_detail("scaling ours(10k)/ours(1k): " + fixed(scaling, 2) + ", target " + fixed(scaling_target, 2) + ", " +
               (linear ? "ok" : "MISS"));
  print_detail("baseline: EnumWindows, EnumChildWindows of both forms, GetClassNameA, one caption length per panel");
  return 0;
}
