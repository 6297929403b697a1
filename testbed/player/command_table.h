#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

// The player's commands, one per line: a name and words after it. Lines that are empty or start
// with '#' are skipped. Each part of the player adds the commands it serves.
class command_table {
 public:
  using arguments = std::vector<std::string>;
  using handler = std::function<void(const arguments &)>;
  using text_handler = std::function<void(const std::string &text)>;

  void add(const std::string &name, const std::string &help, handler run);
  // A command that takes the rest of its line as it was typed, inner spaces and all (the spaces
  // around it dropped): a tag's text may have several in a row.
  void add_text(const std::string &name, const std::string &help, text_handler run);

  // Runs one line of input.
  void run_line(std::string line);
  void stop() { stopped_ = true; }
  bool stopped() const { return stopped_; }

  void print_help() const;

 private:
  struct command {
    std::string help;
    handler run;
    text_handler run_text;
  };
  std::map<std::string, command> commands_;
  bool stopped_ = false;
};
