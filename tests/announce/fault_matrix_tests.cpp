// The messenger dies between two messages, comes back, hangs and answers again: the player never
// waits long for it and never falls over, and once the messenger is back its user's status is right.
#include <chrono>
#include <string>
#include <vector>

#include "announcing.h"
#include "messenger/messenger_windows.h"
#include "passing_window_system.h"

namespace {

using std::chrono::milliseconds;

// One unanswered message costs the channel's wait; everything else is quick.
constexpr milliseconds longest_event(2500);

template <typename Event>
milliseconds time_of(Event event) {
  const auto start = std::chrono::steady_clock::now();
  event();
  return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
}

// Passes every message on to the window system, counting them, sent or handed over without a wait;
// the messenger's process ends just before message number `dies_before` (none when 0).
class dying_messenger_channel : public passing_window_system {
 public:
  dying_messenger_channel(messenger_standin &messenger, std::size_t dies_before)
      : messenger_(messenger), dies_before_(dies_before) {}

  messenger_reply send(HWND target, UINT message, WPARAM w_param, LPARAM l_param, UINT wait_ms) override {
    if (++sent_ == dies_before_) messenger_.kill();
    return passing_window_system::send(target, message, w_param, l_param, wait_ms);
  }
  void notify(HWND target, UINT message, WPARAM w_param, LPARAM l_param) override {
    if (++sent_ == dies_before_) messenger_.kill();
    passing_window_system::notify(target, message, w_param, l_param);
  }

  std::size_t sent() const { return sent_; }

 private:
  messenger_standin &messenger_;
  std::size_t dies_before_;
  std::size_t sent_ = 0;
};

const std::vector<std::wstring> restarted_options = {L"--picture", L"5",        L"--top",
                                                     L"Back",      L"--bottom", L"Restarted"};
const fields restarted_status = {"5", "Back", "Restarted"};

}  // namespace

class messenger_faults : public announcing {
 protected:
  // After the fault, a messenger that was started afresh is announced to and then given its user's
  // own status back, exactly.
  void expect_a_restarted_messenger_served_right() {
    messenger_standin restarted(restarted_options);
    ASSERT_TRUE(restarted.running());
    start(sigur);
    stop();
    EXPECT_EQ(restarted.status_log(),
              (std::vector<fields>{{"11", "Now Playing:", sigur_line}, restarted_status}));
  }

  // How many messages a first announcement sends to a messenger that opens its dialog.
  std::size_t messages_of_a_first_announcement() {
    messenger_standin messenger(users_own_status_options);
    dying_messenger_channel counting(messenger, 0);
    start(kino);
    return counting.sent();
  }

  // How many messages the stop after it sends to put the user's status back.
  std::size_t messages_of_a_stop() {
    messenger_standin messenger(users_own_status_options);
    start(kino);
    dying_messenger_channel counting(messenger, 0);
    stop();
    return counting.sent();
  }
};

TEST_F(messenger_faults, the_messenger_dying_between_any_two_messages_of_an_announcement) {
  const std::size_t messages = messages_of_a_first_announcement();
  ASSERT_GT(messages, 10u);
  for (std::size_t dies_before = 1; dies_before <= messages; ++dies_before) {
    SCOPED_TRACE("the messenger dies before message " + std::to_string(dies_before));
    {
      messenger_standin dying(users_own_status_options);
      ASSERT_TRUE(dying.running());
      dying_messenger_channel channel(dying, dies_before);
      EXPECT_LE(time_of([&] { start(kino); }), longest_event);
    }
    expect_a_restarted_messenger_served_right();
  }
}

TEST_F(messenger_faults, the_messenger_dying_while_the_status_is_put_back) {
  // The stop reads the dialog's three values, then selects the saved picture, writes both texts,
  // presses and releases apply: the messenger may die before any of them, a write's included.
  const std::size_t messages = messages_of_a_stop();
  ASSERT_GE(messages, 8u);
  for (std::size_t dies_before = 1; dies_before <= messages; ++dies_before) {
    SCOPED_TRACE("the messenger dies before message " + std::to_string(dies_before) + " of the stop");
    {
      messenger_standin dying(users_own_status_options);
      ASSERT_TRUE(dying.running());
      start(kino);
      dying_messenger_channel channel(dying, dies_before);
      EXPECT_LE(time_of([&] { stop(); }), longest_event);
    }
    expect_a_restarted_messenger_served_right();
  }
}

TEST_F(messenger_faults, a_hung_messenger_costs_one_wait_per_event_and_is_served_right_once_it_answers) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  messenger.hang();
  EXPECT_LE(time_of([&] { start(sigur); }), longest_event);
  EXPECT_LE(time_of([&] { stop(); }), longest_event);
  messenger.resume();

  start(sigur);
  stop();
  EXPECT_EQ(messenger.status_log().back(), users_own_status);
}
