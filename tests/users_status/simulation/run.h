#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "steps.h"

// Runs steps against a fresh world, the real component in it, checking the promise after each.
namespace sim {

struct run_result {
  bool failed = false;
  std::string check;
  std::string why;
  std::size_t steps = 0;  // steps run, the failing one included
};

run_result replay(const std::vector<step> &steps);

// Runs the opening steps and then `count` steps chosen from `seed`, and keeps every step taken.
run_result explore(std::uint64_t seed, std::size_t count, std::vector<step> &taken);

// The shortest steps found that still break the same check (taken holds the failing run's steps).
std::vector<step> shrink(const std::vector<step> &taken, const std::string &check);

// A steps file's text, and the steps in one (lines starting with '#' say what they are). A line
// that cannot be read leaves `error` naming the file and the line.
std::string steps_file(const std::vector<step> &steps, const std::string &heading);
std::vector<step> read_steps(const std::string &file_text, const std::string &file_name, std::string &error);

}  // namespace sim
