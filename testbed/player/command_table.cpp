#include "command_table.h"

#include <cstdio>
#include <sstream>

void command_table::add(const std::string &name, const std::string &help, handler run) {
  commands_[name] = {help, std::move(run)};
}

void command_table::run_line(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::istringstream words(line);
  std::string name;
  if (!(words >> name) || name[0] == '#') return;
  arguments args;
  for (std::string word; words >> word;) args.push_back(word);

  const auto found = commands_.find(name);
  if (found == commands_.end()) {
    std::printf("player: unknown command '%s' (try 'help')\n", name.c_str());
  } else {
    found->second.run(args);
  }
  std::fflush(stdout);
}

void command_table::print_help() const {
  for (const auto &[name, cmd] : commands_) std::printf("  %-8s %s\n", name.c_str(), cmd.help.c_str());
}
