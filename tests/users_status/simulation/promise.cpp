#include "promise.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "settings/config_variables.h"

namespace sim {

namespace {

// How long the world must hold still before the user's status must be back, and how long a playing
// track may take to show: a retry period and the probe or look that may start it.
constexpr time_ms rest_ms = 10000;
constexpr time_ms one_retry_ms = 4000;

// The user's text as shown: whole, or cut to what the component keeps.
bool is_users(const text &shown, const text &users) {
  if (shown.size() == users.size()) return shown == users;
  const std::size_t kept = kept_length(users);
  return shown.size() == kept && users.compare(0, kept, shown) == 0;
}

bool one_line(const text &t) {
  return std::none_of(t.begin(), t.end(),
                      [](char16_t unit) { return unit < 0x20 || unit == 0x2028 || unit == 0x2029; });
}

bool blank(const text &t) { return t.find_first_not_of(u' ') == text::npos; }

std::string narrow(const text &t) {
  std::string out;
  for (char16_t unit : t.substr(0, 40)) out += unit < 0x80 ? static_cast<char>(unit) : '?';
  if (t.size() > 40) out += "...(" + std::to_string(t.size()) + ")";
  return out;
}

std::string describe(const status &s) {
  return "[" + std::to_string(s.picture) + "] \"" + narrow(s.top) + "\" / \"" + narrow(s.bottom) + "\"";
}

const char *condition_of(const std::string &line) {
  static const std::pair<const char *, const char *> kinds[] = {
      {"tunesignal: QIP is not responding", "not responding"},
      {"tunesignal: QIP is not running", "not running"},
      {"tunesignal: QIP's status dialog is open", "dialog open"},
      {"tunesignal: QIP's status dialog lacks", "incomplete"},
      {"tunesignal: your status in QIP is longer", "cut"},
      {"tunesignal: QIP does not take", "refused"},
      {"tunesignal: the player quits", "quit"},
      {"tunesignal: its file in your application data folder could not", "file"},
      {"tunesignal: its file in your application data folder is damaged", "file damaged"},
      {"tunesignal: the top line", "top line"},
      {"tunesignal: Track is empty", "track"},
      {"tunesignal: the active script", "track"},
  };
  for (const auto &[start, kind] : kinds) {
    if (line.rfind(start, 0) == 0) return kind;
  }
  return nullptr;
}

// The user's value before, where the world excuses a field; else their value.
// The user's status as the world has it, and as it may come back where the world excuses a field:
// with their value before in each such field, or with the shared value they published there.
std::vector<status> users_statuses(const messenger &m) {
  std::vector<status> all(3, m.users);
  const auto take = [&](const bool(&excused)[3], const status &from, status &into) {
    if (excused[static_cast<int>(field::picture)]) into.picture = from.picture;
    if (excused[static_cast<int>(field::top)]) into.top = from.top;
    if (excused[static_cast<int>(field::bottom)]) into.bottom = from.bottom;
  };
  take(m.excused, m.users_before, all[1]);
  take(m.shared_excused, m.shared, all[2]);
  return all;
}

}  // namespace

promise::promise(world &w, player &p)
    : world_(w), player_(p), console_(*this), tracing_(std::getenv("SIMULATION_TRACE") != nullptr) {
  player_.host.host.add(console_receiver::class_guid, &console_);
}

void promise::fail(const std::string &check, const std::string &why) {
  if (!check_.empty()) return;
  check_ = check;
  why_ = why + " (at " + std::to_string(world_.now()) + " ms)";
}

// Field by field, as any of the user's statuses has it.
bool promise::users_own(const messenger &m, const status &shown) const {
  bool picture = false, top = false, bottom = false;
  for (const status &theirs : users_statuses(m)) {
    picture = picture || shown.picture == theirs.picture;
    top = top || is_users(shown.top, theirs.top);
    bottom = bottom || is_users(shown.bottom, theirs.bottom);
  }
  return picture && top && bottom;
}

void promise::before_step(bool event, bool floor_applies, bool switching, bool put_back_event) {
  switching_ = switching;
  put_back_while_switching_ = false;
  if (event) {
    last_event_ = world_.now();
    ++changes_;
    messages_at_change_ = world_.messages_from_component();
    nothing_to_publish_.clear();
  }
  floor_applies_ = floor_applies && !world_.inside_pending();
  if (!put_back_event || status_lost_) return;
  messages_at_event_ = world_.messages_from_component();
  for (const messenger *m : world_.running()) {
    // Where either of two values may come back, publishing one of them is no fault.
    const bool excused = std::count(std::begin(m->excused), std::end(m->excused), true) +
                             std::count(std::begin(m->shared_excused), std::end(m->shared_excused), true) >
                         0;
    if (!m->visible && m->queue.empty() && unsure_.count(m->number) == 0 && m->published == m->dialog &&
        !excused && users_own(*m, m->dialog)) {
      nothing_to_publish_.insert(m->number);
    }
  }
}

void promise::session_started() {
  served_ = nullptr;
  floor_ready_ = false;
  // A new player process has a console of its own and knows nothing of what the last one said.
  condition_cleared_.clear();
  refusal_said_.clear();
  file_failure_said_ = not_running_said_ = quit_said_ = false;
  cut_unsayable_ = cut_unsayable_ || cut_read_unsaid_;
  messenger_seen_at_ = world_.now();
  // The session before ended with its settings as they are now; the next starts from what the host
  // saved and what the file holds.
  if (ended_a_session_ && (world_.file_fails || world_.file_lags) && !player_.saved_owes_what_is_owed())
    status_lost_ = true;
  ended_a_session_ = true;
}

void promise::note_track_texts() {
  // The top line's trouble is told once per script, again once it was another.
  if (top_line_seen_ != cfg_top_text.text()) condition_cleared_["top line"] = true;
  top_line_seen_ = cfg_top_text.text();
  const std::string key = std::string(cfg_active_script.text()) + '\n' + cfg_top_text.text();
  if (key == texts_key_) return;
  texts_key_ = key;
  // The texts depend on the settings alone: worked out once for every run.
  static std::map<std::string, std::vector<track_texts>> texts_by_settings;
  auto known = texts_by_settings.find(key);
  if (known == texts_by_settings.end()) {
    std::vector<track_texts> all;
    for (int track = 0; track < static_cast<int>(tracks.size()); ++track) all.push_back(texts_of(track));
    known = texts_by_settings.emplace(key, std::move(all)).first;
  }
  texts_ = &known->second;
  for (const track_texts &texts : *texts_) {
    if (texts.shown) track_bottoms_.insert(texts.bottom);
    if (!texts.users_top) track_tops_.insert(texts.top);
  }
}

void promise::inner_step() {
  last_event_ = world_.now();
  ++changes_;
  messages_at_change_ = world_.messages_from_component();
  nothing_to_publish_.clear();
}

void promise::inner_event() {
  inner_in_call_ = true;
  const bool track_due = cfg_enabled && player_.state == playback::playing && player_.track >= 0;
  due_after_inner_ = track_due ? player_.track : -1;
  inner_after_message_ = world_.messages_from_component();
}

void promise::call_begins(bool outermost) {
  note_track_texts();
  if (!outermost) return;
  due_after_inner_ = -2;
  inner_in_call_ = false;
  read_saw_.clear();
  picture_sent_.clear();
  quiet_call_ = player_.quiet_event;
  messages_before_call_ = world_.messages_from_component();
  call_messages_.clear();
  call_clean_ = true;
  floor_now_ = floor_applies_ && floor_ready_ && !apply_pending_ && served_ != nullptr && served_->running &&
               served_->idle(world_.now()) && !served_->visible && served_->shape.whole() &&
               served_->controls();
}

void promise::call_ends(time_ms started) {
  if (world_.now() - started > 2000) {
    fail("one deadline per call",
         "a call into the component waited " + std::to_string(world_.now() - started) + " ms");
  }
  if (quiet_call_ && world_.messages_from_component() != messages_before_call_) {
    fail("quiet titles", "a new text of the playing track that changes nothing to show sent " +
                             std::to_string(world_.messages_from_component() - messages_before_call_) +
                             " messages");
  }
  for (auto &[number, messages] : raced_in_call_) {
    if (messages.second == ~std::uint64_t(0)) messages.second = world_.messages_from_component();
  }
  if (world_.player_dead()) {
    // Killed with a try under way: what it stored as owed before a write may never have gone out.
    if (served_ != nullptr) unsure_.insert(served_->number);
    return;
  }
  check_round_trips();
  const bool read = std::count(call_messages_.begin(), call_messages_.end(), WM_GETTEXT) > 0;
  // After a message went unanswered, the next apply click goes without waiting, and a probe after it.
  if (std::count(call_messages_.begin(), call_messages_.end(), WM_LBUTTONUP) > 0) apply_pending_ = false;
  // A call that used up its deadline may have left messages unsent, which only the keeper knows.
  if (world_.now() - started >= 2000) apply_pending_ = true;
  if (!call_clean_ || world_.now() - started >= 2000) {
    floor_ready_ = false;
  } else if (read) {
    floor_ready_ = true;
  }
}

void promise::sent(const messenger &to, const queued_message &q, bool answered, unsigned waited,
                   unsigned allowed) {
  const UINT message = q.message;
  const role target = world_.role_of(q.target);
  if (tracing_) {
    std::printf("  %llu ms: to %d role %d message 0x%X %s after %u ms\n",
                static_cast<unsigned long long>(world_.now()), to.number, static_cast<int>(target), message,
                answered ? "answered" : "UNANSWERED", waited);
  }
  if (to.other_program) {
    if (message != WM_NULL)
      fail("other programs", "message " + std::to_string(message) + " went to another program");
    return;
  }
  // The component met a messenger: should none run later, that is said again.
  not_running_said_ = false;
  if (message == WM_LBUTTONDOWN && target == role::apply_panel) check_quiet_apply(to, q);
  check_picture_message(to, q);
  // The messenger served is the first whose dialog the component reads or writes, while it runs.
  const bool dialog_message = is_status_message(target, message);
  if (served_ == nullptr || !served_->running) {
    if (dialog_message) {
      served_ = &to;
      floor_ready_ = false;
    }
  } else if (&to != served_ && dialog_message) {
    fail("one messenger", "a message went to messenger " + std::to_string(to.number) + " while messenger " +
                              std::to_string(served_->number) + " is served");
  }
  if (&to == served_) call_messages_.push_back(message);
  if (answered) {
    // Messages are handled in turn: a later one answered, a click handed over before it was handled.
    const auto handed = handed_over_.find(to.number);
    if ((handed != handed_over_.end() && handed->second == q.session) ||
        (message == WM_LBUTTONUP && target == role::apply_panel)) {
      unsure_.erase(to.number);
    }
    if (handed != handed_over_.end()) handed_over_.erase(handed);
    condition_cleared_["not responding"] = true;
    condition_cleared_["refused"] = true;
    return;
  }
  unsure_.insert(to.number);
  call_clean_ = false;
  floor_ready_ = false;
  apply_pending_ = true;
  if (allowed <= 200) return;
  const time_ms sent_at = world_.now() - waited;
  const bool hung = to.hung_until > sent_at;
  const auto key = std::make_tuple(to.number, hung ? to.hangs : 0u, hung ? 0 : changes_);
  if (!waits_.insert(key).second) {
    fail("one wait", std::string("a second full wait ") + (hung ? "in one hang" : "for one change") +
                         " (message " + std::to_string(message) + " to role " +
                         std::to_string(static_cast<int>(target)) + ")");
  }
}

void promise::notified(const messenger &to, const queued_message &q) {
  if (to.other_program)
    fail("other programs", "message " + std::to_string(q.message) + " went to another program");
  if (&to == served_) call_messages_.push_back(q.message);
  unsure_.insert(to.number);
  if (q.message == WM_LBUTTONUP) handed_over_[to.number] = q.session;
}

void promise::check_quiet_apply(const messenger &m, const queued_message &q) {
  const auto saw = read_saw_.find(m.number);
  // After a loss, the record the session started from may owe an apply click long made.
  if (saw == read_saw_.end() || unsure_.count(m.number) > 0 || status_lost_) return;
  const auto &[dialog, published] = saw->second;
  if (dialog == published && m.dialog == dialog && m.published == published) {
    fail("quiet", "apply click (message " + std::to_string(q.number) + ") where the dialog showed " +
                      describe(dialog) + ", published, and the try wrote nothing new");
  }
}

// The picture message's lParam, judged by the bottom text written after it.
void promise::check_picture_message(const messenger &m, const queued_message &q) {
  // After a loss, a track's text may be taken for the user's.
  if (inner_in_call_ || status_lost_) return;
  const role target = world_.role_of(q.target);
  if (q.message == CB_SETCURSEL) {
    picture_sent_[m.number] = {q.w_param, q.l_param, cfg_music_status_only && player_.put_back_after_stop};
    return;
  }
  const auto picture = picture_sent_.find(m.number);
  if (q.message != WM_SETTEXT || target != role::bottom_edit || picture == picture_sent_.end()) return;
  note_track_texts();
  const picture_message sent = picture->second;
  picture_sent_.erase(picture);
  const bool track = track_bottoms_.count(q.written) > 0;
  const LPARAM due = track ? 0 : sent.after_stop ? 11 : static_cast<LPARAM>(sent.w_param);
  if (sent.l_param != due) {
    fail("picture message", "the picture message before the bottom text " + narrow(q.written) +
                                " had lParam " + std::to_string(sent.l_param) + ", not " +
                                std::to_string(due) + (track ? " (a track's text)" : " (the user's status)"));
  }
}

void promise::published(const messenger &by, std::uint64_t cause) {
  if (cause == 0) {
    condition_cleared_["cut"] = true;
    if (by.published_anew && by.last_read > player_.request_messages) {
      users_publish_stands_[by.number] = player_.requests;
    } else {
      users_publish_stands_.erase(by.number);
    }
    return;
  }
  const status &shown = by.published;
  if (status_lost_) return;
  if (nothing_to_publish_.count(by.number) > 0 && cause > messages_at_event_) {
    fail("quiet", "a stop or switch-off published " + describe(shown) +
                      " where the dialog showed the user's status, published");
  }
  const auto stands = users_publish_stands_.find(by.number);
  if (stands != users_publish_stands_.end() && stands->second == player_.requests &&
      cause > by.published_after && !users_own(by, shown)) {
    fail("the user's own status", "published " + describe(shown) + " over the status its user published");
  }
  if (tracing_) std::printf("  published by the component in %d: %s\n", by.number, describe(shown).c_str());
  if (!one_line(shown.bottom) || !one_line(shown.top)) fail("one line", "published " + describe(shown));
  const std::vector<status> statuses = users_statuses(by);
  if (users_own(by, shown)) {
    const bool whole =
        std::any_of(statuses.begin(), statuses.end(), [&](const status &s) { return shown.top == s.top; }) &&
        std::any_of(statuses.begin(), statuses.end(),
                    [&](const status &s) { return shown.bottom == s.bottom; });
    if (!whole && !said_cut_ && !console_away_ && !cut_unsayable_) {
      fail("cut said", "put back " + describe(shown) + ", cut, without saying so");
    }
    put_back_while_switching_ = switching_;
  } else {
    if (put_back_while_switching_) fail("no flicker", "the user's status was published between two tracks");
    const bool track_text = track_bottoms_.count(shown.bottom) > 0 && !blank(shown.bottom);
    const bool top = track_tops_.count(shown.top) > 0 ||
                     std::any_of(statuses.begin(), statuses.end(),
                                 [&](const status &s) { return is_users(shown.top, s.top); });
    const bool picture =
        shown.picture == 11 || std::any_of(statuses.begin(), statuses.end(),
                                           [&](const status &s) { return shown.picture == s.picture; });
    if (!track_text || !top || !picture) {
      fail("whole statuses",
           "published " + describe(shown) + ", neither the user's " + describe(by.users) + " nor a track's");
    }
  }
  if (due_after_inner_ != -2 && cause > inner_after_message_ && !users_own(by, shown)) {
    note_track_texts();
    const bool replaced = due_after_inner_ == -1 ||
                          (*texts_)[static_cast<std::size_t>(due_after_inner_)].bottom != shown.bottom;
    if (replaced)
      fail("replaced request", "published " + describe(shown) + " after an event inside a send replaced it");
  }
  const std::uint64_t change = cause > messages_at_change_ ? changes_ : changes_ - 1;
  if (++publishes_[std::make_pair(by.number, change)] > 2) {
    fail("at most twice", "published " + describe(shown) + ", a third time for one change");
  }
}

void promise::user_raced(const messenger &m) {
  raced_in_call_[m.number] = {messages_before_call_, ~std::uint64_t(0)};
}

void promise::dialog_touched(const messenger &m, const queued_message &q) {
  const role target = world_.role_of(q.target);
  const UINT message = q.message;
  if (message == WM_GETTEXT && target == role::bottom_edit) read_saw_[m.number] = {m.dialog, m.published};
  if (message == WM_GETTEXT && console_away_ && !said_cut_ &&
      (kept_length(m.dialog.bottom) < m.dialog.bottom.size() ||
       kept_length(m.dialog.top) < m.dialog.top.size()))
    cut_read_unsaid_ = true;
  if (!m.visible || !m.opened_by_user) return;
  const auto raced = raced_in_call_.find(m.number);
  if (raced != raced_in_call_.end() && q.number > raced->second.first && q.number <= raced->second.second)
    return;
  const bool touches = message == WM_GETTEXT || message == WM_SETTEXT || message == CB_GETCURSEL ||
                       message == CB_SETCURSEL || message == WM_SYSCOMMAND ||
                       (message == WM_LBUTTONUP && target == role::apply_panel);
  if (touches)
    fail("the user's dialog", "message " + std::to_string(message) + " reached a dialog its user has open");
}

// The messengers running now; a change clears every condition about them.
void promise::note_instances() {
  std::vector<int> instances;
  for (const messenger *m : world_.running()) {
    instances.push_back(m->number);
    // A dialog closed since the console told of an open one.
    if (m->dialog_closed_at >= dialog_line_at_ && m->dialog_closed_at > 0)
      condition_cleared_["dialog open"] = true;
  }
  if (!instances.empty()) {
    condition_cleared_["not running"] = true;
    messenger_seen_at_ = world_.now();
  }
  if (instances != instances_) {
    instances_changed_at_ = world_.now();
    condition_cleared_["not responding"] = true;
    condition_cleared_["dialog open"] = true;
    condition_cleared_["incomplete"] = true;
    condition_cleared_["cut"] = true;
    instances_ = instances;
  }
}

void promise::after_step() {
  note_instances();
  check_dialogs();
  check_at_rest();
  check_track_shown();
  check_console_duties();
}

void promise::quit_done() {
  if (status_lost_ || quit_said_ || console_away_) return;
  for (const messenger *m : world_.running()) {
    const bool blocked = world_.users_dialog(*m) || m->hung_until > world_.now() || m->shape.elevated;
    if (blocked && !users_own(*m, m->published)) {
      fail("console: quitting said", "the player quit leaving messenger " + std::to_string(m->number) +
                                         " showing " + describe(m->published) + " without a word");
    }
  }
}

void promise::console_away(bool away) {
  if (away == console_away_) return;
  console_away_ = away;
  if (away) {
    player_.host.host.remove_all(console_receiver::class_guid);
  } else {
    player_.host.host.add(console_receiver::class_guid, &console_);
    console_back_at_ = world_.now();
  }
}

void promise::refused(const messenger &to) {
  if (refusal_said_.count(to.number) == 0 && !console_away_) refusal_unsaid_.insert(to.number);
  call_clean_ = false;
  floor_ready_ = false;
}

void promise::file_used(bool done, bool damaged) {
  if (done) condition_cleared_["file"] = true;
  file_failure_said_ = file_failure_said_ && !done;
  file_failure_unsaid_ = !done && !file_failure_said_ && !console_away_;
  damage_unsaid_ = (damage_unsaid_ || damaged) && !console_away_;
}

void promise::check_console_duties() {
  if (!refusal_unsaid_.empty()) fail("console: refusal said", "a message was refused without a word");
  if (file_failure_unsaid_) fail("console: file failure said", "the component's file failed without a word");
  if (damage_unsaid_) fail("console: damaged file said", "a damaged file was passed over without a word");
  // Once a look has had its time since the last messenger went (or the track came, or the console).
  if (console_away_ || !player_.session || !cfg_enabled || player_.state != playback::playing ||
      player_.track < 0)
    return;
  const time_ms since =
      std::max({messenger_seen_at_, player_.track_event, player_.session_started, console_back_at_});
  time_ms users_publish = 0;
  for (const auto &m : world_.messengers) users_publish = std::max(users_publish, m->user_published_at);
  note_track_texts();
  if ((*texts_)[static_cast<std::size_t>(player_.track)].shown && world_.running().empty() &&
      users_publish < player_.track_event && !not_running_said_ && world_.now() >= since + one_retry_ms) {
    fail("console: not running said", "a track is due and no messenger runs, without a word");
  }
}

void promise::console_line(const std::string &line) {
  if (tracing_) std::printf("  console: %s\n", line.c_str());
  note_instances();
  const char *kind = condition_of(line);
  if (kind == nullptr) {
    fail("console: unexpected", line);
    return;
  }
  // A track's trouble is told once per track event, those inside a send included.
  if (std::string(kind) == "track" && player_.track_events != track_line_events_) {
    condition_cleared_["track"] = true;
    track_line_events_ = player_.track_events;
  }
  const auto cleared = condition_cleared_.find(kind);
  if (cleared != condition_cleared_.end() && !cleared->second) {
    fail("console: " + std::string(kind) + " said again", line);
  }
  condition_cleared_[kind] = false;
  if (std::string(kind) == "dialog open") dialog_line_at_ = world_.now();
  if (std::string(kind) == "cut") said_cut_ = true;
  if (std::string(kind) == "not running") not_running_said_ = true;
  if (std::string(kind) == "quit") quit_said_ = true;
  if (std::string(kind) == "file") {
    file_failure_said_ = true;
    file_failure_unsaid_ = false;
  }
  if (std::string(kind) == "file damaged") damage_unsaid_ = false;
  if (std::string(kind) == "refused") {
    refusal_said_.insert(refusal_unsaid_.begin(), refusal_unsaid_.end());
    refusal_unsaid_.clear();
  }
}

void promise::check_dialogs() {
  if (!player_.session) return;
  const time_ms now = world_.now();
  for (const messenger *m : world_.running()) {
    if (!m->visible || world_.users_dialog(*m) || !m->idle(now)) continue;
    if (now >= std::max({m->shown_at, m->free_at, player_.session_started}) + one_retry_ms) {
      fail("the component closes its dialog",
           "messenger " + std::to_string(m->number) + "'s dialog stays open");
    }
  }
}

void promise::check_at_rest() {
  if (status_lost_ || !player_.session || (cfg_enabled && player_.state == playback::playing)) return;
  const time_ms now = world_.now();
  time_ms since = std::max(last_event_, player_.session_started);
  for (const messenger *m : world_.running()) {
    if (!m->idle(now) || m->visible) return;
    since = std::max(since, m->quiet_since());
  }
  if (now < since + rest_ms) return;
  for (const messenger *m : world_.running()) {
    // A dialog whose controls no main window can make is out of the component's reach.
    if (!m->controls() && !m->shape.main_window) continue;
    if (!users_own(*m, m->published)) {
      fail("at rest", "messenger " + std::to_string(m->number) + "'s contacts see " + describe(m->published) +
                          ", not the user's " + describe(m->users));
    } else if (m->controls() && !users_own(*m, m->dialog)) {
      fail("at rest", "messenger " + std::to_string(m->number) + "'s dialog shows " + describe(m->dialog) +
                          ", not the user's " + describe(m->users));
    }
  }
}

void promise::check_track_shown() {
  if (status_lost_ || !player_.session || !cfg_enabled || player_.state != playback::playing ||
      player_.track < 0)
    return;
  const bool served = served_ != nullptr && served_->running;
  // With no messenger served yet, the one to show the track is plain only when it runs alone.
  if (!served && world_.running().size() != 1) return;
  messenger *shows = served ? world_.owner_of(served_->status_form) : world_.topmost();
  // The one served before has gone, or none is served yet: the one to serve is found within a look
  // once the messengers running are the ones they are now.
  const time_ms found_since = served ? 0 : instances_changed_at_;
  const time_ms now = world_.now();
  // A dialog that lacks a control, or whose controls no main window can make, is left alone.
  if (shows == nullptr || !shows->idle(now) || shows->visible || !shows->shape.whole() ||
      shows->shape.elevated || !(shows->controls() || shows->shape.main_window)) {
    return;
  }
  if (shows->user_published_at >= player_.track_event && shows->user_published_at > 0) return;
  const time_ms since =
      std::max({player_.track_event, shows->quiet_since(), player_.session_started, found_since});
  if (now < since + one_retry_ms) return;
  note_track_texts();
  const track_texts &texts = (*texts_)[static_cast<std::size_t>(player_.track)];
  const status &seen = shows->published;
  // With the user's status as the world has it, or with the values before where it excuses them.
  const auto right_for = [&](const status &theirs) {
    if ((cfg_music_status_only && theirs.picture != 11) || !texts.shown) return users_own(*shows, seen);
    return seen.picture == (cfg_keep_status_picture ? theirs.picture : 11) && seen.bottom == texts.bottom &&
           (cfg_keep_top_text || texts.users_top ? is_users(seen.top, theirs.top) : seen.top == texts.top);
  };
  const std::vector<status> statuses = users_statuses(*shows);
  if (std::none_of(statuses.begin(), statuses.end(), right_for)) {
    fail("track shown", "messenger " + std::to_string(shows->number) + "'s contacts see " + describe(seen) +
                            " while track " + std::to_string(player_.track) + " plays");
  }
}

void promise::check_round_trips() {
  if (!floor_now_) return;
  static const std::vector<UINT> reads = {WM_GETTEXT, WM_GETTEXT, CB_GETCURSEL};
  static const std::vector<UINT> publish = {WM_GETTEXT, WM_GETTEXT, CB_GETCURSEL,   CB_SETCURSEL,
                                            WM_SETTEXT, WM_SETTEXT, WM_LBUTTONDOWN, WM_LBUTTONUP};
  if (call_messages_.empty() || call_messages_ == reads || call_messages_ == publish) return;
  std::string seen;
  for (UINT message : call_messages_) seen += std::to_string(message) + " ";
  fail("round trips", "an event sent the messages " + seen);
}

}  // namespace sim
