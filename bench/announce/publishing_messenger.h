#pragma once

#include <string>
#include <vector>

#include "messenger_standin.h"
#include "no_copy.h"

// The stand-in messenger in its own process, logging each status it publishes (one line for each
// press of its apply panel) and none of the messages it is sent: one file line per announcement,
// the same for ours and the baseline, where a log of every message would add one per message.
// The log shows that every announcement timed really published.
class publishing_messenger : private no_copy {
 public:
  publishing_messenger();

  bool running() const { return messenger_.running(); }

  // True when exactly `count` statuses were published, alternating between two different ones:
  // every announcement pressed apply, and each changed what was on display.
  bool published_alternately(std::size_t count) const;

 private:
  // A temporary file, empty at the start (a leftover of an earlier process is removed) and deleted
  // at the end, once the messenger is gone.
  struct log_file : private no_copy {
    log_file();
    ~log_file();
    std::wstring path;
  };

  std::vector<std::string> published() const;

  log_file log_;
  messenger_standin messenger_;
};
