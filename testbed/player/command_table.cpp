#include "command_table.h"

#include <sstream>

#include "console_output.h"

namespace {

constexpr const char *spaces = " \t";

std::string without_surrounding_spaces(const std::string &text) {
  const std::size_t start = text.find_first_not_of(spaces);
  if (start == std::string::npos) return {};
  return text.substr(start, text.find_last_not_of(spaces) + 1 - start);
}

}  // namespace

void command_table::add(const std::string &name, const std::string &help, handler run) {
  commands_[name] = {help, std::move(run), nullptr};
}

void command_table::add_text(const std::string &name, const std::string &help, text_handler run) {
  commands_[name] = {help, nullptr, std::move(run)};
}

void command_table::run_line(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::istringstream words(line);
  std::string name;
  if (!(words >> name) || name[0] == '#') return;
  const auto found = commands_.find(name);
  if (found == commands_.end()) {
    say("player: unknown command '%s' (try 'help')\n", name.c_str());
  } else if (found->second.run_text) {
    const std::streampos rest = words.tellg();
    found->second.run_text(rest == std::streampos(-1) ? std::string()
                                                      : without_surrounding_spaces(line.substr(rest)));
  } else {
    arguments args;
    for (std::string word; words >> word;) args.push_back(word);
    found->second.run(args);
  }
}

void command_table::print_help() const {
  for (const auto &[name, cmd] : commands_) {
    say("  %-8s ", name.c_str());
    // A help's further lines start under its first.
    std::string help;
    for (const char c : cmd.help) help += c == '\n' ? std::string("\n           ") : std::string(1, c);
    print_text(help + "\n");
  }
}
