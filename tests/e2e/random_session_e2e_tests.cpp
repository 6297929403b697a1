// A person at the stand-in player and messenger, through the shipped component, doing what a seeded
// generator picks: whenever things come to rest, the messenger's contacts were last shown the user's
// latest status. E2E_STEPS takes more steps, in runs of 20 with one seed after another from
// E2E_SEED (default 1); a failure prints its seed and steps, to replay or to repeat by hand, with
// the messages the component sent to the messenger (each step marked [mN] where they stood).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "random_session.h"

namespace {

constexpr int steps_per_run = 20;

std::uint64_t setting(const char *name, std::uint64_t otherwise) {
  const char *value = std::getenv(name);
  return value != nullptr && *value != 0 ? std::strtoull(value, nullptr, 10) : otherwise;
}

std::string report(std::uint64_t seed, int count, const random_session &session) {
  std::ostringstream text;
  text << "seed " << seed << ", " << session.failure() << "\nreplay: E2E_SEED=" << seed
       << " E2E_STEPS=" << count << "\nsteps:\n";
  const std::vector<std::string> &steps = session.steps();
  for (std::size_t i = 0; i < steps.size(); ++i) {
    text << "  " << i + 1 << ". " << steps[i] << "  [m" << session.message_marks()[i] << "]\n";
  }
  text << "published:\n";
  const std::vector<fields> published = session.published();
  for (std::size_t i = 0; i < published.size(); ++i) {
    text << "  #" << i + 1 << ":";
    for (const std::string &field : published[i]) text << " \"" << field << "\"";
    text << "\n";
  }
  text << "messages to the messenger now running (window, message, wParam, lParam, text):\n";
  const std::vector<window_message> messages = session.messages();
  for (std::size_t i = 0; i < messages.size(); ++i) {
    const window_message &message = messages[i];
    text << "  m" << i << " " << message.window << " 0x" << std::hex << message.message << std::dec << " "
         << message.w_param.value_or(0) << " " << message.l_param.value_or(0) << " "
         << message.text.value_or("") << "\n";
  }
  const std::string output = session.player_output();
  text << "the last player's output:\n" << output.substr(output.size() > 4000 ? output.size() - 4000 : 0);
  return text.str();
}

}  // namespace

TEST(random_session, the_users_status_is_back_whenever_things_come_to_rest) {
  const std::uint64_t wanted = setting("E2E_STEPS", steps_per_run);
  const std::uint64_t first_seed = setting("E2E_SEED", 1);
  std::uint64_t taken = 0;
  std::uint64_t runs = 0;
  std::uint64_t rests = 0;
  std::uint64_t publishes = 0;
  for (std::uint64_t seed = first_seed; taken < wanted; ++seed) {
    const int count = static_cast<int>(std::min<std::uint64_t>(steps_per_run, wanted - taken));
    random_session session(seed);
    const bool kept = session.run(count);
    taken += static_cast<std::uint64_t>(count);
    ++runs;
    rests += static_cast<std::uint64_t>(session.rests());
    publishes += session.published().size();
    if (!kept) {
      ADD_FAILURE() << report(seed, count, session);
      return;
    }
  }
  std::cout << "random session: " << taken << " steps in " << runs << " runs from seed " << first_seed << ", "
            << rests << " rests checked, " << publishes << " publishes\n";
}
