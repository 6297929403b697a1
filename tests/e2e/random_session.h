#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "listening_session.h"
#include "messenger_standin.h"

// One seeded run of a person at the stand-in player and messenger with the shipped component: steps
// drawn at random (the player's commands, quits, kills and starts; the messenger's user, hangs,
// slowness, kills and starts), and at every rest a check that the messenger's contacts were last
// shown the user's latest status. The same seed takes the same steps.
class random_session : private listening_session {
 public:
  explicit random_session(std::uint64_t seed);

  // Takes `count` steps, then rests once more. False once a check failed or a stand-in did not do
  // what it was told; the run stops there.
  bool run(int count);

  const std::string &failure() const { return failure_; }
  // Every step taken, as a person would repeat it by hand.
  const std::vector<std::string> &steps() const { return steps_; }
  // For each step, how many messages the messenger running then had been sent before it.
  const std::vector<std::size_t> &message_marks() const { return message_marks_; }
  // Everything the messenger published, from every instance of it.
  std::vector<fields> published() const;
  // What the component sent to the messenger now running.
  std::vector<window_message> messages() const;
  std::string player_output() const { return output(); }
  int rests() const { return rests_; }

 private:
  struct action {
    std::function<int()> weight;  // in the present state; 0 where the step cannot be taken
    std::function<void()> take;
  };
  enum playback_state { stopped, playing, paused };

  void take_one_step();
  void rest();
  bool ok();
  void fail(const std::string &why);
  void note(const std::string &step);
  int below(int bound) { return static_cast<int>(random_() % static_cast<std::uint64_t>(bound)); }

  void player_does(const std::string &command);
  void start_player();
  void end_player(bool by_kill);
  void start_messenger();
  void kill_messenger();
  // 0: until resumed.
  void hang(DWORD milliseconds);
  // Ends a hang before the messenger is asked for anything: a messenger that hangs takes no request.
  void messenger_answers_again();
  // As on a slow network: the messenger's answer to the component's OK click, or to its click on
  // the status spot, comes late; 0 ends it.
  void make_slow(bool opening, DWORD milliseconds);
  DWORD other_slowness(DWORD now);
  // A user's action the messenger did not carry out is the stand-in's failure, not the component's.
  void user_did(bool done);
  void user_sets_status();
  void user_types();
  void user_opens_dialog();
  void user_presses_ok();
  void user_leaves_dialog(bool by_close_box);

  void check_publishes();
  void check_at_rest();

  std::mt19937_64 random_;
  std::vector<action> actions_;
  std::vector<std::string> steps_;
  std::vector<std::size_t> message_marks_;
  std::string failure_;
  int rests_ = 0;
  std::size_t rested_at_ = 0;  // the steps taken by the last rest

  bool player_running_ = false;
  playback_state playback_ = stopped;
  int track_ = 0;
  std::optional<messenger_standin> messenger_;
  std::vector<fields> earlier_messengers_;  // what the instances before this one published
  bool hang_may_be_on_ = false;
  DWORD slow_apply_ = 0;
  DWORD slow_open_ = 0;
  bool slow_open_met_ = false;  // this instance was slow to open at some time
  bool dialog_open_ = false;
  std::optional<fields> typed_;  // what the user typed into the open dialog

  fields latest_;  // the status the user set last, or the messenger's initial one
  std::size_t checked_ = 0;
};
