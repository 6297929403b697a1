#include "random_session.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "text_conversion.h"

namespace {

// The statuses the messenger's user sets. None shares a value with the component's (the music
// picture, the top line, a track's line): a field that shows a value of the component's keeps the
// user's value from before, and the checks compare whole statuses.
const std::vector<fields> own_statuses = {
    {"4", "Busy", "Do not call me"},
    {"10", "\u0414\u043E\u043C\u0430", "\u0427\u0438\u0442\u0430\u044E \u2615"},
    {"-1", "", "No picture, no top line"},
    {"0", "", ""},
    {"2", "Away", "Back at six"},
};

const char *const rest_commands[] = {"stop", "pause", "menu"};
constexpr int track_count = 5;  // in the sample playlist
// Shorter and longer than the component's one wait of 2 s, and longer than its retry period.
const DWORD hang_times[] = {800, 2600, 6000};
// Late answers shorter and longer than that wait; 0 switches slowness off.
const DWORD slow_times[] = {600, 2500, 0};

// The stand-in's status log writes tab, line ends and backslash as \t, \n, \r and \\.
std::string unescaped(const std::string &logged) {
  std::string text;
  for (std::size_t i = 0; i < logged.size(); ++i) {
    if (logged[i] != '\\' || i + 1 == logged.size()) {
      text += logged[i];
      continue;
    }
    const char code = logged[++i];
    text += code == 't' ? '\t' : code == 'n' ? '\n' : code == 'r' ? '\r' : code;
  }
  return text;
}

bool one_clean_line(const std::string &text) {
  for (const char *breaking : {"\xC2\x85", "\xE2\x80\xA8", "\xE2\x80\xA9"}) {
    if (text.find(breaking) != std::string::npos) return false;
  }
  return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool blank(const std::string &text) { return text.find_first_not_of(' ') == std::string::npos; }

std::string shown(const fields &status) {
  return status.size() == 3 ? "[" + status[0] + "] \"" + status[1] + "\" / \"" + status[2] + "\""
                            : "(malformed)";
}

bool users_own(const fields &status) {
  return status == users_own_status ||
         std::find(own_statuses.begin(), own_statuses.end(), status) != own_statuses.end();
}

}  // namespace

random_session::random_session(std::uint64_t seed) : random_(seed), latest_(users_own_status) {
  // Each step's weight in the present state; 0 where it cannot be taken. Commands that do nothing
  // in the present state (a pause while stopped) stay possible, but rare.
  const auto player = [this](int weight) { return player_running_ ? weight : 0; };
  const auto messenger = [this](int weight) { return messenger_ ? weight : 0; };
  const auto when = [](bool possible, int weight) { return possible ? weight : 0; };
  actions_ = {
      {[=] { return player(playback_ == stopped ? 16 : 8); },
       [this] { player_does("play " + std::to_string(1 + below(track_count))); }},
      {[=] { return player(playback_ == stopped ? 1 : 6); }, [this] { player_does("next"); }},
      {[=] { return player(playback_ == playing ? 5 : 1); }, [this] { player_does("pause"); }},
      {[=] { return player(playback_ == paused ? 5 : 1); }, [this] { player_does("resume"); }},
      {[=] { return player(playback_ == stopped ? 1 : 5); }, [this] { player_does("stop"); }},
      {[=] { return player(3); }, [this] { player_does("menu"); }},
      {[=] { return player(1); }, [this] { player_does("save"); }},
      {[=] { return player(2); }, [this] { player_does("wait 1500"); }},
      {[=] { return player(2); }, [this] { end_player(false); }},
      {[=] { return player(3); }, [this] { end_player(true); }},
      {[this] { return player_running_ ? 0 : 12; }, [this] { start_player(); }},
      {[=] { return messenger(6); }, [this] { user_sets_status(); }},
      {[=] { return messenger(4); }, [this] { user_types(); }},
      {[=] { return when(messenger_ && !dialog_open_, 1); }, [this] { user_opens_dialog(); }},
      {[=] { return when(typed_.has_value(), 5); }, [this] { user_presses_ok(); }},
      {[=] { return when(dialog_open_, 2); }, [this] { user_leaves_dialog(false); }},
      {[=] { return when(dialog_open_, 1); }, [this] { user_leaves_dialog(true); }},
      {[=] { return messenger(4); }, [this] { hang(hang_times[below(3)]); }},
      {[=] { return messenger(1); }, [this] { hang(0); }},
      {[=] { return when(hang_may_be_on_, 2); }, [this] { messenger_answers_again(); }},
      {[=] { return messenger(3); }, [this] { make_slow(false, other_slowness(slow_apply_)); }},
      {[=] { return messenger(2); }, [this] { make_slow(true, other_slowness(slow_open_)); }},
      {[=] { return messenger(2); }, [this] { kill_messenger(); }},
      {[this] { return messenger_ ? 0 : 10; }, [this] { start_messenger(); }},
      {[=] { return when(steps_.size() > rested_at_, 4); }, [this] { rest(); }},
  };
}

bool random_session::run(int count) {
  start_messenger();
  if (ok()) start_player();
  rested_at_ = steps_.size();
  for (int i = 0; i < count && ok(); ++i) take_one_step();
  if (ok()) rest();
  return ok();
}

void random_session::take_one_step() {
  std::vector<int> weights;
  int total = 0;
  for (const action &each : actions_) total += weights.emplace_back(each.weight());
  int pick = below(total);
  for (std::size_t i = 0; i < actions_.size(); pick -= weights[i++]) {
    if (pick < weights[i]) {
      actions_[i].take();
      if (ok()) check_publishes();
      return;
    }
  }
}

bool random_session::ok() {
  if (failure_.empty() && ::testing::Test::HasFatalFailure())
    fail("a stand-in did not do what it was told (above)");
  return failure_.empty();
}

void random_session::fail(const std::string &why) {
  if (failure_.empty()) failure_ = "after step " + std::to_string(steps_.size()) + ": " + why;
}

void random_session::note(const std::string &step) {
  steps_.push_back(step);
  message_marks_.push_back(messages().size());
}

std::vector<window_message> random_session::messages() const {
  return messenger_ ? messenger_->messages() : std::vector<window_message>();
}

std::vector<fields> random_session::published() const {
  std::vector<fields> all = earlier_messengers_;
  if (messenger_) {
    for (fields status : messenger_->status_log()) {
      for (std::string &field : status) field = unescaped(field);
      all.push_back(status);
    }
  }
  return all;
}

// Keeps track of playback only to pick likely steps; the rest asks the player itself.
void random_session::player_does(const std::string &command) {
  note("player> " + command);
  does(command);
  if (command.rfind("play ", 0) == 0) {
    playback_ = playing;
    track_ = std::stoi(command.substr(5));
  } else if (command == "next" && playback_ != stopped && track_ < track_count) {
    playback_ = playing;
    ++track_;
  } else if ((command == "pause" && playback_ == playing) || (command == "resume" && playback_ == paused)) {
    playback_ = command == "pause" ? paused : playing;
  } else if (command == "stop") {
    playback_ = stopped;
  }
}

void random_session::start_player() {
  note("player starts");
  open_player();
  player_running_ = true;
  playback_ = stopped;
}

void random_session::end_player(bool by_kill) {
  note(by_kill ? "player killed" : "player quits");
  if (by_kill) {
    kill_player();
  } else {
    quit_player();
  }
  player_running_ = false;
}

// A messenger starts showing what it published last, as the real one restores its status.
void random_session::start_messenger() {
  const std::vector<fields> before = published();
  const fields showing = before.empty() ? users_own_status : before.back();
  note("messenger starts showing " + shown(showing));
  messenger_.emplace(std::vector<std::wstring>{L"--picture", wide_from_utf8(showing[0]), L"--top",
                                               wide_from_utf8(showing[1]), L"--bottom",
                                               wide_from_utf8(showing[2])});
  if (!messenger_->running()) fail("the messenger did not start");
}

void random_session::kill_messenger() {
  note("messenger killed");
  messenger_->kill();
  earlier_messengers_ = published();
  messenger_.reset();
  hang_may_be_on_ = slow_open_met_ = dialog_open_ = false;
  slow_apply_ = slow_open_ = 0;
  typed_.reset();
}

void random_session::hang(DWORD milliseconds) {
  messenger_answers_again();
  note(milliseconds != 0 ? "messenger hangs for " + std::to_string(milliseconds) + " ms"
                         : std::string("messenger hangs until resumed"));
  messenger_->hang(milliseconds);
  hang_may_be_on_ = true;
}

void random_session::user_did(bool done) {
  if (!done) fail("the messenger did not carry out its user's action");
}

void random_session::messenger_answers_again() {
  if (!hang_may_be_on_) return;
  note("messenger resumes");
  messenger_->resume();
  hang_may_be_on_ = false;
}

DWORD random_session::other_slowness(DWORD now) {
  const DWORD other = slow_times[below(2)];
  return other != now ? other : slow_times[2];
}

void random_session::make_slow(bool opening, DWORD milliseconds) {
  messenger_answers_again();
  note(std::string("messenger: ") + (opening ? "slow-open " : "slow-apply ") + std::to_string(milliseconds));
  if (opening) {
    messenger_->slow_open(milliseconds);
    slow_open_ = milliseconds;
    slow_open_met_ = slow_open_met_ || milliseconds != 0;
  } else {
    messenger_->slow_apply(milliseconds);
    slow_apply_ = milliseconds;
  }
}

void random_session::user_sets_status() {
  messenger_answers_again();
  const fields &status = own_statuses[below(static_cast<int>(own_statuses.size()))];
  note("messenger: user sets " + shown(status));
  user_did(messenger_->user_sets_status(std::stoi(status[0]), wide_from_utf8(status[1]),
                                        wide_from_utf8(status[2])));
  latest_ = status;
  dialog_open_ = false;
  typed_.reset();
}

void random_session::user_opens_dialog() {
  messenger_answers_again();
  note("messenger: user opens the dialog");
  user_did(messenger_->user_opens_dialog());
  dialog_open_ = true;
}

void random_session::user_types() {
  messenger_answers_again();
  const fields &status = own_statuses[below(static_cast<int>(own_statuses.size()))];
  note("messenger: user types " + shown(status) + " and leaves the dialog open");
  user_did(
      messenger_->user_types(std::stoi(status[0]), wide_from_utf8(status[1]), wide_from_utf8(status[2])));
  dialog_open_ = true;
  typed_ = status;
}

void random_session::user_presses_ok() {
  messenger_answers_again();
  note("messenger: user presses OK");
  const std::size_t before = published().size();
  user_did(messenger_->user_presses_ok());
  const std::vector<fields> after = published();
  if (std::find(after.begin() + static_cast<long>(before), after.end(), *typed_) != after.end()) {
    latest_ = *typed_;
  } else if (slow_open_met_) {
    // The component's click on the status spot of a slow messenger put the dialog on the screen
    // just as the user typed, and closed it: the user pressed OK on what it held then.
    note("  (the component's slow opening closed the dialog under the user first)");
  } else {
    fail("the user's OK did not publish what they typed, " + shown(*typed_) +
         ": the dialog was changed or closed under them");
  }
  dialog_open_ = false;
  typed_.reset();
}

void random_session::user_leaves_dialog(bool by_close_box) {
  messenger_answers_again();
  note(by_close_box ? "messenger: user closes the dialog by its close box"
                    : "messenger: user presses Cancel");
  user_did(by_close_box ? messenger_->user_closes_dialog() : messenger_->user_cancels());
  dialog_open_ = false;
  typed_.reset();
}

// At rest: playback stopped or paused or the component off, the messenger answering at once, no
// dialog on the screen, and time for a retry.
void random_session::rest() {
  ++rests_;
  note("rest:");
  if (!player_running_) start_player();
  if (ok()) player_does("status");
  if (!ok()) return;
  const std::string printed = output();
  const std::size_t status = printed.rfind("player: status: ");
  if (status == std::string::npos) return fail("the player did not tell its status");
  playback_ = printed.compare(status + 16, 7, "playing") == 0  ? playing
              : printed.compare(status + 16, 6, "paused") == 0 ? paused
                                                               : stopped;
  const bool on = printed.find("player: menu [x]", status) != std::string::npos;
  if (playback_ == playing && on) player_does(rest_commands[below(3)]);
  if (!messenger_) start_messenger();
  messenger_answers_again();
  if (slow_apply_ != 0) make_slow(false, 0);
  if (slow_open_ != 0) make_slow(true, 0);
  if (dialog_open_) user_leaves_dialog(below(2) == 1);
  if (ok()) player_does("wait 4000");
  if (ok()) check_at_rest();
  rested_at_ = steps_.size();
}

// Every publish is the user's own status or a whole track status with one clean line of text.
void random_session::check_publishes() {
  const std::vector<fields> all = published();
  for (; checked_ < all.size() && ok(); ++checked_) {
    const fields &status = all[checked_];
    const std::string which = "publish #" + std::to_string(checked_ + 1) + ", " + shown(status);
    if (status.size() != 3) {
      fail(which + ", is not a status");
    } else if (users_own(status)) {
      continue;
    } else if (status[0] != "11" || status[1] != "Now Playing:") {
      fail(which + ", mixes the user's status with the component's");
    } else if (blank(status[2])) {
      fail(which + ", shows a track with a blank text");
    } else if (!one_clean_line(status[2])) {
      fail(which + ", shows a track with a text of more than one line");
    }
  }
}

void random_session::check_at_rest() {
  check_publishes();
  const auto last_shown = [this] {
    const std::vector<fields> all = published();
    return all.empty() ? users_own_status : all.back();
  };
  const char *const names[] = {"picture", "top text", "bottom text"};
  std::string wrong;
  const fields last = last_shown();
  for (std::size_t i = 0; i < 3; ++i) {
    if (last[i] != latest_[i])
      wrong += std::string(" ") + names[i] + " \"" + last[i] + "\" for \"" + latest_[i] + "\";";
  }
  if (!wrong.empty()) {
    // Whether it was only late tells a slow retry from a status lost for good.
    player_does("wait 6000");
    fail("at rest the contacts were last shown " + shown(last) + ", not the user's latest " + shown(latest_) +
         ":" + wrong + (last_shown() == latest_ ? " it came 6 s later" : " and not 6 s later either"));
  }
  if (ok() && messenger_->dialog_on_screen()) fail("at rest the status dialog stays on the screen");
}
