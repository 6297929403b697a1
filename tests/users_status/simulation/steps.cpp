#include "steps.h"

#include <sstream>
#include <utility>

namespace sim {

namespace {

const std::vector<std::pair<std::string, text>> tops = {{"work", u"At work"},
                                                        {"weekend", u"Weekend"},
                                                        {"dacha", u"\u041D\u0430 \u0434\u0430\u0447\u0435"},
                                                        {"busy", u"Busy"}};

text long_text(char16_t unit, std::size_t count) { return text(count, unit); }

const std::vector<std::pair<std::string, text>> bottoms = {
    {"meeting", u"In a meeting"},
    {"two", u"Back at two"},
    {"call", u"Do not call me"},
    // Longer than the component keeps: a plain one, one letter under five thousand marks, and one
    // whose note the limit would split.
    {"long", long_text(u'x', 5000)},
    {"marks", u"e" + long_text(u'\u0301', 5000)},
    {"pair", long_text(u'b', 4095) + u"\U0001F3B5 and more"},
};

const std::vector<std::string> shapes = {"whole", "nopicture", "onetext", "nomain", "atstart", "elevated"};

template <typename T>
const T &pick(std::mt19937_64 &random, const std::vector<T> &from) {
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

int number(std::mt19937_64 &random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

std::string text_of(int value) { return std::to_string(value); }

// The user's texts, short ones mostly.
std::string some_top(std::mt19937_64 &random) { return pick(random, tops).first; }
std::string some_bottom(std::mt19937_64 &random) {
  return number(random, 0, 9) == 0 ? bottoms[static_cast<std::size_t>(number(random, 3, 5))].first
                                   : bottoms[static_cast<std::size_t>(number(random, 0, 2))].first;
}
std::string some_picture(std::mt19937_64 &random) {
  return text_of(number(random, 0, 3) == 0 ? 11 : number(random, 0, 12));
}

step messenger_start(std::mt19937_64 &random) {
  const int shape = number(random, 0, 19);
  return {"messenger",          "start",
          some_picture(random), some_top(random),
          some_bottom(random),  shape < 14 ? "whole" : shapes[static_cast<std::size_t>(shape - 14)]};
}

// Which running messenger: the oldest, mostly.
std::string which(std::mt19937_64 &random, world &w) {
  const std::size_t count = w.running().size();
  return text_of(count > 1 && number(random, 0, 3) == 0 ? 1 : 0);
}

// Another track of the same title as track `number` (by another artist), or `number` itself.
int same_title(int number) {
  for (int other = 0; other < static_cast<int>(tracks.size()); ++other) {
    const char *a = tracks[static_cast<std::size_t>(number)].title;
    const char *b = tracks[static_cast<std::size_t>(other)].title;
    if (other != number && a != nullptr && b != nullptr && std::string(a) == b) return other;
  }
  return number;
}

// The text a stream's next title or a tag edit brings: now and then the same again, or the same
// title by another artist, else any track's.
int next_text(std::mt19937_64 &random, const player &p, int any) {
  if (p.source < 0) return any;
  switch (number(random, 0, 5)) {
    case 0:
    case 1:
      return p.source;
    case 2:
      return same_title(p.source);
    default:
      return any;
  }
}

step player_event(std::mt19937_64 &random, const player &p) {
  const int track = number(random, 0, static_cast<int>(tracks.size()) - 1);
  switch (number(random, 0, 17)) {
    case 0:
    case 1:
    case 2:
    case 3:
      return {"track", text_of(number(random, 0, 3) == 0 ? track : number(random, 0, 1))};
    case 4:
    case 5:
      return {"switch", text_of(track)};
    case 6:
    case 7:
      // By the user, at the end of the playlist, for another track, at the player's shutdown.
      return {"stop", text_of(number(random, 0, 4) == 0 ? number(random, 1, 3) : 0)};
    case 8:
      return {"pause"};
    case 9:
      return {"resume"};
    case 10:
      return {"menu"};
    case 11:
      return {"option", text_of(number(random, 0, 2))};
    case 12:
      return {"top", text_of(number(random, 0, 3) == 0 ? number(random, 1, 4) : 0)};
    case 13:
      return {"script", text_of(number(random, 0, 2) == 0 ? number(random, 1, 3) : 0)};
    case 15:
    case 16:
      return {"title", text_of(next_text(random, p, track))};
    case 17:
      return {"tag", text_of(next_text(random, p, track))};
    default:
      return {"track", text_of(track)};
  }
}

step messenger_fault(std::mt19937_64 &random, world &w) {
  const std::string i = which(random, w);
  switch (number(random, 0, 12)) {
    case 0:
    case 1:
      return {"messenger", "hang", i};
    case 2:
    case 3:
      return {"messenger", "hang", i, text_of(number(random, 1, 12) * 500)};
    case 4:
    case 5:
      return {"messenger", "resume", i};
    case 6:
      return {"messenger", "slow-apply", i, text_of(number(random, 0, 1) * 2500)};
    case 7:
      return {"messenger", "slow-open", i, text_of(number(random, 0, 1) * 2500)};
    case 8:
      if (!w.may_restart()) return {"messenger", "quit", i};
      if (number(random, 0, 1) == 0) return {"messenger", "restart", i, "same-process"};
      return {"messenger", "restart", i};
    case 9:
      return {"messenger", "quit", i};
    case 10:
      return {"program", "start"};
    default:
      if (w.may_start_another()) return messenger_start(random);
      return {"messenger", "resume", i};
  }
}

step waiting(std::mt19937_64 &random);

step users_action(std::mt19937_64 &random, world &w) {
  const std::string i = which(random, w);
  const messenger *m = w.running().empty() ? nullptr : w.running()[static_cast<std::size_t>(std::stoi(i))];
  if (m != nullptr && m->restarted && !m->read_by_component) return waiting(random);
  switch (number(random, 0, 9)) {
    case 0:
    case 1:
      return {"user", "open", i};
    case 2:
      return {"user", "type", i, "picture", some_picture(random)};
    case 3:
      return {"user", "type", i, "top", some_top(random)};
    case 4:
    case 5:
      return {"user", "type", i, "bottom", some_bottom(random)};
    case 6:
    case 7:
      return {"user", "ok", i};
    default:
      return {"user", "cancel", i};
  }
}

step waiting(std::mt19937_64 &random) {
  switch (number(random, 0, 9)) {
    case 0:
      return {"wait", "11000"};
    case 1:
    case 2:
    case 3:
      return {"wait", text_of(number(random, 10, 35) * 100)};
    default:
      return {"wait", text_of(number(random, 1, 9) * 100)};
  }
}

step session_step(std::mt19937_64 &random) {
  switch (number(random, 0, 5)) {
    case 0:
      return {"session", "quit"};
    case 1:
      return {"session", "kill"};
    case 2:
      return {"session", "kill-at", text_of(number(random, 1, 12))};
    default:
      return {"session", "save"};
  }
}

}  // namespace

std::string to_text(const step &s) {
  std::string line;
  for (const std::string &word : s) line += (line.empty() ? "" : " ") + word;
  return line;
}

bool is_player_event(const std::string &verb) {
  static const char *const events[] = {"track",  "switch", "stop",   "pause", "resume", "menu",
                                       "option", "top",    "script", "title", "tag"};
  for (const char *event : events) {
    if (verb == event) return true;
  }
  return false;
}

namespace {

bool number_below(const step &s, std::size_t at, std::size_t limit) {
  if (at >= s.size() || s[at].empty() || s[at].size() > 8 ||
      s[at].find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  return std::stoul(s[at]) < limit;
}

bool word_in(const step &s, std::size_t at, std::initializer_list<const char *> words) {
  for (const char *word : words) {
    if (at < s.size() && s[at] == word) return true;
  }
  return false;
}

template <typename T>
bool named(const step &s, std::size_t at, const std::vector<std::pair<std::string, T>> &names) {
  for (const auto &[name, value] : names) {
    if (at < s.size() && s[at] == name) return true;
  }
  return false;
}

constexpr std::size_t any_messenger = 100;

bool readable_messenger_step(const step &s) {
  const std::size_t n = s.size();
  if (word_in(s, 1, {"start"})) {
    if (n != 5 && n != 6) return false;
    bool shape = n == 5;
    for (const std::string &name : shapes) shape = shape || s[5] == name;
    return number_below(s, 2, 13) && named(s, 3, tops) && named(s, 4, bottoms) && shape;
  }
  if (!number_below(s, 2, any_messenger)) return false;
  if (word_in(s, 1, {"quit", "resume"})) return n == 3;
  if (word_in(s, 1, {"restart"})) return n == 3 || (n == 4 && s[3] == "same-process");
  if (word_in(s, 1, {"hang"})) return n == 3 || (n == 4 && number_below(s, 3, 3600001));
  if (word_in(s, 1, {"slow-apply", "slow-open"})) return n == 4 && number_below(s, 3, 3600001);
  return false;
}

bool readable_users_step(const step &s) {
  const std::size_t n = s.size();
  if (!number_below(s, 2, any_messenger)) return false;
  if (word_in(s, 1, {"open", "ok", "cancel"})) return n == 3;
  if (!word_in(s, 1, {"type"}) || n != 5) return false;
  return (s[3] == "picture" && number_below(s, 4, 13)) || (s[3] == "top" && named(s, 4, tops)) ||
         (s[3] == "bottom" && named(s, 4, bottoms));
}

bool readable_player_event(const step &s) {
  const std::string &verb = s[0];
  if (word_in(s, 0, {"pause", "resume", "menu"})) return s.size() == 1;
  if (s.size() != 2) return false;
  if (word_in(s, 0, {"track", "switch", "title", "tag"})) return number_below(s, 1, tracks.size());
  if (verb == "stop") return number_below(s, 1, 100);
  if (verb == "option") return number_below(s, 1, 3);
  if (verb == "top") return number_below(s, 1, top_lines.size());
  return verb == "script" && number_below(s, 1, scripts.size());
}

}  // namespace

std::string step_error(const step &s) {
  if (s.empty()) return "an empty step";
  const std::string &verb = s[0];
  const std::size_t n = s.size();
  bool readable = false;
  if (verb == "mode") {
    readable = n == 2 && word_in(s, 1, {"windows", "wine"});
  } else if (verb == "wait") {
    readable = n == 2 && number_below(s, 1, 3600001);
  } else if (verb == "messenger") {
    readable = readable_messenger_step(s);
  } else if (verb == "program") {
    readable = n == 2 && s[1] == "start";
  } else if (verb == "user") {
    readable = readable_users_step(s);
  } else if (verb == "session") {
    readable = (n == 2 && word_in(s, 1, {"start", "quit", "kill", "save"})) ||
               (n == 3 && s[1] == "kill-at" && number_below(s, 2, 1000) && s[2] != "0");
  } else if (verb == "file") {
    readable = n == 2 && word_in(s, 1, {"fail", "mend", "damage"});
  } else if (verb == "console") {
    readable = n == 2 && word_in(s, 1, {"away", "back"});
  } else if (verb == "inside") {
    const step inner(s.begin() + std::min<std::size_t>(2, n), s.end());
    readable = number_below(s, 1, 100) && s[1] != "0" && !inner.empty() &&
               !word_in(inner, 0, {"inside", "mode", "wait", "session"}) && step_error(inner).empty();
  } else if (is_player_event(verb)) {
    readable = readable_player_event(s);
  } else {
    return "unknown verb '" + verb + "' in '" + to_text(s) + "'";
  }
  return readable ? "" : "cannot read '" + to_text(s) + "'";
}

step parse_step(const std::string &line) {
  std::istringstream words(line);
  step s;
  for (std::string word; words >> word;) s.push_back(word);
  return s;
}

text users_top(const std::string &name) {
  for (const auto &[key, value] : tops) {
    if (key == name) return value;
  }
  return u"";
}

text users_bottom(const std::string &name) {
  for (const auto &[key, value] : bottoms) {
    if (key == name) return value;
  }
  return u"";
}

std::vector<step> opening_steps(std::mt19937_64 &random) {
  return {{"mode", number(random, 0, 1) == 0 ? "windows" : "wine"},
          messenger_start(random),
          {"session", "start"}};
}

step next_step(std::mt19937_64 &random, world &w, const player &p) {
  if (!p.session && number(random, 0, 2) != 0) return {"session", "start"};
  if (w.running().empty() && number(random, 0, 3) == 0) return messenger_start(random);
  // A file that fails does so for a while: a disk filled up, then freed.
  if (w.file_fails && number(random, 0, 19) == 0) return {"file", "mend"};
  const int kind = number(random, 0, 99);
  if (kind < 30) return waiting(random);
  if (kind < 62) return player_event(random, p);
  if (kind < 68) {
    // What comes while a message waits: a player's event mostly, else what the messenger or its
    // user does between two messages of a try.
    const int what = number(random, 0, 3);
    step inside = what == 2   ? messenger_fault(random, w)
                  : what == 3 ? users_action(random, w)
                              : player_event(random, p);
    if (inside[0] == "wait") inside = player_event(random, p);
    inside.insert(inside.begin(), {"inside", text_of(number(random, 0, 1) == 0 ? 1 : number(random, 2, 9))});
    return inside;
  }
  if (kind < 70) {
    if (number(random, 0, 3) != 0) return session_step(random);
    static const step rare[] = {
        {"file", "fail"}, {"file", "mend"}, {"file", "damage"}, {"console", "away"}, {"console", "back"}};
    return rare[number(random, 0, 4)];
  }
  if (kind < 82) return messenger_fault(random, w);
  return users_action(random, w);
}

}  // namespace sim
