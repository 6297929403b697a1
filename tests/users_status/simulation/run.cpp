#include "run.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "promise.h"
#include "settings/config_variables.h"

namespace sim {

namespace {

bool is_number(const std::string &word) {
  return !word.empty() && word.size() < 9 && word.find_first_not_of("0123456789") == std::string::npos;
}

// A number word below `limit`, or -1.
int index_of(const step &s, std::size_t at, int limit) {
  if (at >= s.size() || !is_number(s[at])) return -1;
  const int value = std::stoi(s[at]);
  return value < limit ? value : -1;
}

dialog_shape shape_named(const std::string &name) {
  dialog_shape shape;
  shape.picture_box = name != "nopicture";
  shape.top_edit = name != "onetext";
  shape.main_window = name != "nomain";
  shape.controls_at_start = name == "atstart";
  shape.elevated = name == "elevated";
  return shape;
}

class simulation {
 public:
  simulation() : player_(world_), promise_(world_, player_) {
    world_.set_watcher(&promise_);
    player_.call_begins = [this](bool outermost) { promise_.call_begins(outermost); };
    player_.call_ends = [this](time_ms started) { promise_.call_ends(started); };
  }

  const promise &checks() const { return promise_; }
  world &the_world() { return world_; }
  const player &the_player() const { return player_; }

  void execute(const step &s) {
    if (s.empty()) return;
    if (std::getenv("SIMULATION_TRACE") != nullptr) std::printf("%s\n", to_text(s).c_str());
    const std::string &verb = s[0];
    promise_.before_step(verb != "wait" && verb != "mode" && verb != "inside", is_player_event(verb),
                         verb == "switch" && texts_of(index_of(s, 1, static_cast<int>(tracks.size()))).shown,
                         verb == "stop" || (verb == "menu" && cfg_enabled));
    if (verb == "inside") {
      const step inner(s.begin() + 2, s.end());
      world_.inside_send(static_cast<unsigned>(index_of(s, 1, 100)), [this, inner] {
        promise_.inner_step();
        perform(inner);
        if (is_player_event(inner[0])) promise_.inner_event();
      });
    } else {
      perform(s);
    }
    promise_.after_step();
  }

 private:
  void perform(const step &s) {
    const std::string &verb = s[0];
    if (verb == "wait") {
      const int milliseconds = index_of(s, 1, 3600001);
      if (milliseconds > 0) world_.pass_time_to(world_.now() + static_cast<time_ms>(milliseconds));
    } else if (verb == "mode") {
      world_.windows_semantics = s[1] != "wine";
    } else if (verb == "messenger") {
      messenger_step(s);
    } else if (verb == "program") {
      world_.start_other_program();
    } else if (verb == "user") {
      users_step(s);
    } else if (verb == "session") {
      session_step(s);
    } else if (verb == "console") {
      promise_.console_away(s[1] == "away");
    } else if (verb == "file") {
      world_.file_fails = s[1] == "fail" || (world_.file_fails && s[1] == "damage");
      if (s[1] == "damage") world_.damage_file();
    } else {
      player_step(s);
    }
  }

  messenger *running(const step &s, std::size_t at) {
    const std::vector<messenger *> &all = world_.running();
    const int i = index_of(s, at, static_cast<int>(all.size()));
    return i < 0 ? nullptr : all[static_cast<std::size_t>(i)];
  }

  void messenger_step(const step &s) {
    if (s.size() < 2) return;
    if (s[1] == "start" && s.size() >= 5) {
      const int picture = index_of(s, 2, 13);
      if (picture < 0 || !world_.may_start_another()) return;
      world_.start_messenger(shape_named(s.size() > 5 ? s[5] : "whole"),
                             {picture, users_top(s[3]), users_bottom(s[4])});
      return;
    }
    messenger *m = running(s, 2);
    if (m == nullptr) return;
    const int milliseconds = index_of(s, 3, 3600000);
    if (s[1] == "restart") {
      if (world_.may_restart()) world_.restart(*m, s.size() > 3);
    } else if (s[1] == "quit") {
      world_.quit(*m);
    } else if (s[1] == "hang") {
      world_.hang(*m, milliseconds > 0 ? static_cast<unsigned>(milliseconds) : 0);
    } else if (s[1] == "resume") {
      world_.resume(*m);
    } else if (s[1] == "slow-apply" && milliseconds >= 0) {
      m->slow_apply = static_cast<unsigned>(milliseconds);
    } else if (s[1] == "slow-open" && milliseconds >= 0) {
      m->slow_open = static_cast<unsigned>(milliseconds);
    }
  }

  void users_step(const step &s) {
    messenger *m = running(s, 2);
    if (m == nullptr) return;
    if (s[1] == "open") {
      world_.user_opens(*m);
    } else if (s[1] == "ok") {
      world_.user_presses_ok(*m);
    } else if (s[1] == "cancel") {
      world_.user_cancels(*m);
    } else if (s[1] == "type" && s.size() == 5) {
      status typed;
      if (s[3] == "picture") {
        typed.picture = index_of(s, 4, 13);
        if (typed.picture >= 0) world_.user_types(*m, field::picture, typed);
      } else if (s[3] == "top") {
        typed.top = users_top(s[4]);
        world_.user_types(*m, field::top, typed);
      } else if (s[3] == "bottom") {
        typed.bottom = users_bottom(s[4]);
        world_.user_types(*m, field::bottom, typed);
      }
    }
  }

  void session_step(const step &s) {
    if (s.size() < 2) return;
    if (s[1] == "start" && !player_.session) {
      promise_.session_started();
      player_.start_session();
    } else if (s[1] == "quit" && player_.session) {
      player_.quit();
      promise_.quit_done();
    } else if (s[1] == "kill") {
      player_.kill();
    } else if (s[1] == "save") {
      player_.save();
    } else if (s[1] == "kill-at") {
      const int n = index_of(s, 2, 1000);
      if (n > 0 && player_.session) world_.kill_before_send(static_cast<unsigned>(n));
    }
  }

  void player_step(const step &s) {
    const std::string &verb = s[0];
    const int n = index_of(s, 1, 100);
    if (verb == "track" && n >= 0 && n < static_cast<int>(tracks.size())) {
      player_.new_track(n);
    } else if (verb == "switch" && n >= 0 && n < static_cast<int>(tracks.size())) {
      player_.stop(2);
      player_.new_track(n);
    } else if (verb == "stop" && n >= 0) {
      player_.stop(n);
    } else if (verb == "pause" || verb == "resume") {
      player_.pause(verb == "pause");
    } else if (verb == "menu") {
      player_.menu();
    } else if (verb == "option" && n >= 0 && n < 3) {
      player_.option(n);
    } else if (verb == "top" && n >= 0 && n < static_cast<int>(top_lines.size())) {
      player_.top_line(n);
    } else if (verb == "script" && n >= 0 && n < static_cast<int>(scripts.size())) {
      player_.script(n);
    } else if (verb == "title" && n >= 0 && n < static_cast<int>(tracks.size())) {
      player_.new_title(n);
    } else if (verb == "tag" && n >= 0 && n < static_cast<int>(tracks.size())) {
      player_.edit_tags(n);
    }
  }

  world world_;
  player player_;
  promise promise_;
};

run_result result_of(const simulation &run, std::size_t steps) {
  run_result result;
  result.failed = run.checks().failed();
  result.check = run.checks().check();
  result.why = run.checks().why();
  result.steps = steps;
  return result;
}

}  // namespace

run_result replay(const std::vector<step> &steps) {
  simulation run;
  std::size_t done = 0;
  for (const step &s : steps) {
    run.execute(s);
    ++done;
    if (run.checks().failed()) break;
  }
  return result_of(run, done);
}

run_result explore(std::uint64_t seed, std::size_t count, std::vector<step> &taken) {
  std::mt19937_64 random(seed);
  simulation run;
  taken = opening_steps(random);
  for (const step &s : taken) run.execute(s);
  for (std::size_t i = 0; i < count && !run.checks().failed(); ++i) {
    taken.push_back(next_step(random, run.the_world(), run.the_player()));
    const std::string why = step_error(taken.back());
    if (!why.empty()) {
      run_result unreadable;
      unreadable.failed = true;
      unreadable.check = "steps";
      unreadable.why = "the generator made a step that cannot be read: " + why;
      unreadable.steps = taken.size();
      return unreadable;
    }
    run.execute(taken.back());
  }
  return result_of(run, taken.size());
}

std::vector<step> shrink(const std::vector<step> &taken, const std::string &check) {
  std::vector<step> best = taken;
  const auto still_fails = [&](const std::vector<step> &candidate) {
    const run_result result = replay(candidate);
    return result.failed && result.check == check;
  };
  // Takes out ever smaller chunks while the failure stays; then single steps, until none can go.
  std::size_t chunk = best.size() / 2;
  int replays = 0;
  while (chunk >= 1 && replays < 4000) {
    bool removed = false;
    for (std::size_t at = 0; at + chunk <= best.size() && replays < 4000;) {
      std::vector<step> candidate(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(at));
      candidate.insert(candidate.end(), best.begin() + static_cast<std::ptrdiff_t>(at + chunk), best.end());
      ++replays;
      if (still_fails(candidate)) {
        best = candidate;
        removed = true;
      } else {
        at += chunk;
      }
    }
    if (!removed) chunk /= 2;
  }
  const run_result last = replay(best);
  best.resize(last.steps);
  return best;
}

std::string steps_file(const std::vector<step> &steps, const std::string &heading) {
  std::string out;
  std::istringstream lines(heading);
  for (std::string line; std::getline(lines, line);) out += "# " + line + "\n";
  for (const step &s : steps) out += to_text(s) + "\n";
  return out;
}

std::vector<step> read_steps(const std::string &file_text, const std::string &file_name, std::string &error) {
  std::vector<step> steps;
  std::istringstream lines(file_text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    steps.push_back(parse_step(line));
    const std::string why = step_error(steps.back());
    if (!why.empty() && error.empty()) error = file_name + ":" + std::to_string(number) + ": " + why;
  }
  return steps;
}

}  // namespace sim
