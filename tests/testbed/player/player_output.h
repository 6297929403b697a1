#pragma once

#include <sstream>
#include <string>
#include <vector>

inline bool contains(const std::string &text, const std::string &part) {
  return text.find(part) != std::string::npos;
}

// The player's own lines, without the component's console entries in between.
inline std::vector<std::string> player_lines(const std::string &output) {
  std::vector<std::string> lines;
  std::istringstream split(output);
  for (std::string line; std::getline(split, line);) {
    if (line.rfind("player: ", 0) == 0) lines.push_back(line);
  }
  return lines;
}
