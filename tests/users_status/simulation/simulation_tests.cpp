// The status keeper in a simulated world whose every fault and ordering a seeded generator chooses,
// with the promise to the user checked after every step; and every failure once found, kept as a
// steps file and replayed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iostream>
#include <sstream>

#include "run.h"

namespace {

// SIMULATION_STEPS asks for more steps than a test run takes, SIMULATION_SECONDS for as many as
// that time allows (the soak); SIMULATION_SEED starts elsewhere.
std::uint64_t setting(const char *name, std::uint64_t otherwise) {
  const char *value = std::getenv(name);
  return value != nullptr && *value != 0 ? std::strtoull(value, nullptr, 10) : otherwise;
}

std::string read_file(const std::string &path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(keeper_simulation, keeps_the_promise_through_random_steps) {
  const std::uint64_t wanted = setting("SIMULATION_STEPS", 200000);
  const std::uint64_t seconds = setting("SIMULATION_SECONDS", 0);
  const std::uint64_t first_seed = setting("SIMULATION_SEED", 1);
  constexpr std::size_t steps_per_run = 400;
  const auto started = std::chrono::steady_clock::now();
  const auto elapsed = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  };
  std::uint64_t total = 0;
  std::uint64_t runs = 0;
  for (std::uint64_t seed = first_seed; total < wanted || elapsed() < static_cast<double>(seconds); ++seed) {
    std::vector<sim::step> taken;
    const sim::run_result result = sim::explore(seed, steps_per_run, taken);
    total += result.steps;
    ++runs;
    if (result.failed) {
      const std::vector<sim::step> shortest = sim::shrink(taken, result.check);
      const sim::run_result again = sim::replay(shortest);
      FAIL() << "seed " << seed << " broke '" << result.check << "': " << result.why << "\nafter "
             << result.steps << " steps; shrunk to " << shortest.size() << " steps ('" << again.check
             << "': " << again.why << "):\n"
             << sim::steps_file(shortest,
                                "seed " + std::to_string(seed) + ": " + again.check + ": " + again.why);
    }
  }
  const double seconds_taken = elapsed();
  std::cout << "simulation: " << total << " steps in " << runs << " runs, "
            << static_cast<std::uint64_t>(total / seconds_taken) << " steps per second\n";
  EXPECT_GE(total, wanted);
}

// A case must not hold by doing nothing: a step that cannot be read fails with the file and the line.
TEST(keeper_simulation, reads_a_steps_file_strictly) {
  for (const char *line : {"user type 0 bottom meting", "trak 1", "messenger start 13 work meeting", "wait",
                           "inside 0 track 1", "inside 2 wait 100", "messenger restart 0 same",
                           "session kill-at 0", "option 3", "track 1 2", "user ok"}) {
    std::string error;
    sim::read_steps(std::string("# a case\ntrack 1\n") + line + "\n", "case.steps", error);
    EXPECT_EQ(error.rfind("case.steps:3: ", 0), 0u) << line << " gave: " << error;
  }
  std::string error;
  sim::read_steps("inside 2 user type 0 top weekend\nprogram start\nmessenger restart 0 same-process\n",
                  "good.steps", error);
  EXPECT_EQ(error, "");
}

// SIMULATION_REPLAY=FILE replays one steps file, for a look at a failure (with SIMULATION_TRACE).
TEST(keeper_simulation, replays_every_failure_found_before) {
  if (const char *one = std::getenv("SIMULATION_REPLAY")) {
    std::string error;
    const std::vector<sim::step> steps = sim::read_steps(read_file(one), one, error);
    ASSERT_EQ(error, "");
    const sim::run_result result = sim::replay(steps);
    EXPECT_FALSE(result.failed) << result.check << ": " << result.why;
    return;
  }
  const std::string folder = TUNESIGNAL_SIMULATION_REGRESSIONS;
  DIR *listing = opendir(folder.c_str());
  ASSERT_NE(listing, nullptr) << folder;
  int replayed = 0;
  for (dirent *entry = readdir(listing); entry != nullptr; entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (name.size() < 6 || name.substr(name.size() - 6) != ".steps") continue;
    SCOPED_TRACE(name);
    std::string error;
    const std::vector<sim::step> steps = sim::read_steps(read_file(folder + "/" + name), name, error);
    if (!error.empty()) {
      ADD_FAILURE() << error;
      continue;
    }
    ASSERT_FALSE(steps.empty());
    const sim::run_result result = sim::replay(steps);
    EXPECT_FALSE(result.failed) << result.check << ": " << result.why;
    ++replayed;
  }
  closedir(listing);
  EXPECT_GT(replayed, 0);
}

}  // namespace
