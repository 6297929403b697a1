#include "world.h"

#include <algorithm>
#include <cstring>

namespace sim {

bool operator==(const status &a, const status &b) {
  return a.picture == b.picture && a.top == b.top && a.bottom == b.bottom;
}

time_ms messenger::quiet_since() const {
  if (hung_until == forever) return forever;
  return std::max({free_at, hung_until, started_at, dialog_closed_at});
}

bool is_status_message(role target, UINT message) {
  const bool control = target == role::bottom_edit || target == role::top_edit || target == role::combo ||
                       target == role::apply_panel;
  return control && message != WM_NULL && message != WM_GETTEXTLENGTH;
}

bool is_after_look(role target, UINT message) {
  return is_status_message(target, message) || (target == role::main_panel && message != WM_NULL) ||
         (target == role::status_form && message == WM_SYSCOMMAND);
}

namespace {

const char *class_of(role what) {
  switch (what) {
    case role::main_form:
      return "TMainForm";
    case role::status_form:
      return "TCusForm";
    case role::bottom_edit:
    case role::top_edit:
      return "TEdit";
    case role::combo:
      return "TComboBox";
    case role::other:
      return "Notepad";
    default:
      return "TPanel";
  }
}

std::size_t caption_length(role what) {
  if (what == role::apply_panel) return 2;   // "OK"
  if (what == role::cancel_panel) return 6;  // "Cancel"
  return 0;
}

bool same_class(const wchar_t *wide, const char *narrow) {
  for (; *wide != 0 && *narrow != 0; ++wide, ++narrow) {
    if (*wide != static_cast<unsigned char>(*narrow)) return false;
  }
  return *wide == 0 && *narrow == 0;
}

// What the dialog publishes: no picture without a picture box, no top text without a top edit.
status as_published(const messenger &m, const status &shown) {
  status out = shown;
  if (!m.shape.picture_box) out.picture = -1;
  if (!m.shape.top_edit) out.top.clear();
  return out;
}

}  // namespace

world::world() = default;
world::~world() = default;

HWND world::make_window(messenger &m, role what) {
  windows_.push_back({&m, what, true});
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(windows_.size() * 4));
}

messenger *world::owner_of(HWND window) {
  const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(window);
  if (value == 0 || value % 4 != 0 || value / 4 > windows_.size()) return nullptr;
  const window_entry &entry = windows_[value / 4 - 1];
  return entry.alive ? entry.owner : nullptr;
}

role world::role_of(HWND window) const {
  return windows_[reinterpret_cast<std::uintptr_t>(window) / 4 - 1].what;
}

messenger *world::topmost() {
  for (HWND window : order_) {
    if (role_of(window) == role::status_form) return owner_of(window);
  }
  return nullptr;
}

messenger &world::start_messenger(const dialog_shape &shape, const status &users) {
  messengers.push_back(std::make_unique<messenger>());
  messenger &m = *messengers.back();
  running_.push_back(&m);
  m.number = next_number_++;
  m.process = 4000 + 4 * static_cast<DWORD>(m.number);
  m.shape = shape;
  m.started_at = now_;
  m.users = as_published(m, users);
  m.published = m.dialog = m.users;
  m.status_form = make_window(m, role::status_form);
  order_.insert(order_.begin(), m.status_form);
  if (shape.main_window) {
    m.main_form = make_window(m, role::main_form);
    m.list_panel = make_window(m, role::list_panel);
    m.main_panel = make_window(m, role::main_panel);
    m.main_children = {m.list_panel, m.main_panel};
    order_.insert(order_.begin(), m.main_form);
  }
  if (shape.controls_at_start) create_controls(m);
  return m;
}

void world::create_controls(messenger &m) {
  if (m.controls()) return;
  // In the order other programs meet them: the first edit is the bottom one, the last the top one.
  m.bottom_edit = make_window(m, role::bottom_edit);
  m.dialog_children.push_back(m.bottom_edit);
  if (m.shape.top_edit) {
    m.top_edit = make_window(m, role::top_edit);
    m.dialog_children.push_back(m.top_edit);
  }
  if (m.shape.picture_box) {
    m.combo = make_window(m, role::combo);
    m.dialog_children.push_back(m.combo);
  }
  m.cancel_panel = make_window(m, role::cancel_panel);
  m.apply_panel = make_window(m, role::apply_panel);
  m.dialog_children.push_back(m.cancel_panel);
  m.dialog_children.push_back(m.apply_panel);
}

messenger &world::restart(messenger &old, bool same_process) {
  const status published = old.published;
  const status users = old.users;
  dialog_shape shape = old.shape;
  shape.elevated = false;
  quit(old);
  messenger &fresh = start_messenger(shape, users);
  if (same_process) fresh.process = old.process;
  std::copy(std::begin(old.excused), std::end(old.excused), std::begin(fresh.excused));
  std::copy(std::begin(old.shared_excused), std::end(old.shared_excused), std::begin(fresh.shared_excused));
  fresh.users_before = old.users_before;
  fresh.shared = old.shared;
  fresh.published = fresh.dialog = published;
  fresh.restarted = true;
  // The user's own texts under a picture of the component's (their OK published the track's picture
  // with them): nothing tells that picture from one the user picked, so after the restart it is
  // theirs.
  if (published.top == fresh.users.top && published.bottom == fresh.users.bottom) {
    fresh.users.picture = published.picture;
  }
  return fresh;
}

void world::quit(messenger &m) {
  const auto listed = std::find(running_.begin(), running_.end(), &m);
  if (listed != running_.end()) running_.erase(listed);
  m.running = false;
  m.stopped_at = now_;
  m.queue.clear();
  gone_last_ = &m;
  for (window_entry &entry : windows_) {
    if (entry.owner == &m) entry.alive = false;
  }
  order_.erase(std::remove_if(order_.begin(), order_.end(), [&](HWND w) { return owner_of(w) == nullptr; }),
               order_.end());
}

bool world::may_start_another() const {
  for (const messenger *m : running_) {
    if (m->restarted) return false;
  }
  return true;
}

void world::start_other_program() {
  if (gone_last_ == nullptr) return;
  const messenger &gone = *gone_last_;
  gone_last_ = nullptr;
  for (const messenger *m : running_) {
    if (m->process == gone.process) return;
  }
  messengers.push_back(std::make_unique<messenger>());
  messenger &program = *messengers.back();
  program.other_program = true;
  program.number = next_number_++;
  program.process = gone.process;
  program.started_at = now_;
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    window_entry &entry = windows_[i];
    if (entry.alive || entry.owner != &gone) continue;
    const bool top_level = entry.what == role::main_form || entry.what == role::status_form;
    entry = {&program, role::other, true};
    if (top_level)
      order_.insert(order_.begin(), reinterpret_cast<HWND>(static_cast<std::uintptr_t>((i + 1) * 4)));
  }
}

void world::hang(messenger &m, unsigned milliseconds) {
  run_queues(now_);
  ++m.hangs;
  m.hung_until = milliseconds == 0 ? forever : std::max(m.hung_until, now_ + milliseconds);
}

void world::resume(messenger &m) {
  if (m.hung_until > now_) m.hung_until = now_;
  run_queues(now_);
}

bool world::users_dialog(const messenger &m) const {
  return m.visible && (m.opened_by_user || m.opener != session_ || player_dead_);
}

bool world::free_for_user(const messenger &m) const {
  if (!m.running || m.hung_until > now_ || m.free_at > now_) return false;
  return m.queue.empty() || (m.queue.size() == 1 && m.queue.front().get() == in_flight_);
}

void world::note_race(messenger &m) {
  if (in_flight_ == nullptr || owner_of(in_flight_->target) != &m ||
      !is_after_look(role_of(in_flight_->target), in_flight_->message)) {
    return;
  }
  m.racing = true;
  if (watcher_ != nullptr) watcher_->user_raced(m);
}

// The user may also take over a dialog that a player process gone since put on the screen.
bool world::user_opens(messenger &m) {
  if (!free_for_user(m) || (m.visible && (m.opened_by_user || !users_dialog(m)))) return false;
  create_controls(m);
  if (!m.visible) m.shown_at = now_;
  m.visible = true;
  m.opened_by_user = true;
  m.opened_with = m.dialog;
  m.racing = false;
  std::fill(std::begin(m.typed), std::end(m.typed), false);
  note_race(m);
  return true;
}

bool world::user_types(messenger &m, field which, const status &values) {
  if (!free_for_user(m) || !m.visible || !m.opened_by_user) return false;
  note_race(m);
  if ((which == field::picture && !m.shape.picture_box) || (which == field::top && !m.shape.top_edit))
    return false;
  m.typed[static_cast<int>(which)] = true;
  if (which == field::picture) m.dialog.picture = values.picture;
  if (which == field::top) m.dialog.top = values.top;
  if (which == field::bottom) m.dialog.bottom = values.bottom;
  return true;
}

bool world::user_presses_ok(messenger &m) {
  if (!free_for_user(m) || !m.visible || !m.opened_by_user) return false;
  note_race(m);
  const status before = m.users;
  const status &now = m.dialog;
  // A field the user changed is theirs; one they left as it was, a track's text say, is not, nor is
  // one the component wrote into while it was open: a value typed over the same value is no change
  // that anyone could see. A change to a value that is not their own from before is new; new in two
  // fields, the status is theirs whole, and a field left showing what users pick as well (the music
  // picture, an empty text) is theirs too.
  const auto changed = [&](field which, bool differs) { return m.typed[static_cast<int>(which)] && differs; };
  const bool picture = changed(field::picture, now.picture != m.opened_with.picture);
  const bool top = changed(field::top, now.top != m.opened_with.top);
  const bool bottom = changed(field::bottom, now.bottom != m.opened_with.bottom);
  const int anew = (picture && now.picture != before.picture) + (top && now.top != before.top) +
                   (bottom && now.bottom != before.bottom);
  if (picture || (anew >= 2 && now.picture == 11)) m.users.picture = now.picture;
  if (top || (anew >= 2 && now.top.empty())) m.users.top = now.top;
  if (bottom || (anew >= 2 && now.bottom.empty())) m.users.bottom = now.bottom;
  excuse(m, before);
  m.published_anew = anew > 0 && !m.racing;
  m.published_after = messages_;
  m.user_published_at = now_;
  publish(m, 0);
  return true;
}

void world::excuse(messenger &m, const status &before) {
  std::fill(std::begin(m.excused), std::end(m.excused), m.racing);
  std::fill(std::begin(m.shared_excused), std::end(m.shared_excused), false);
  if (m.racing) m.users_before = before;
  m.user_published = as_published(m, m.dialog);
  if (m.publishes_since_read++ > 0) blind(m, -1);
  excuse_blind_fields(m);
}

void world::blind(messenger &m, int which) {
  for (int f = 0; f < 3; ++f) m.blind[f] = m.blind[f] || which < 0 || which == f;
  excuse_blind_fields(m);
}

void world::excuse_blind_fields(messenger &m) {
  if (m.publishes_since_read == 0) return;
  const status &users = m.users;
  const status &known = m.users_at_read;
  const status &published = m.user_published;
  const bool took[3] = {users.picture == 11 && known.picture != 11, users.top.empty() && !known.top.empty(),
                        users.bottom.empty() && !known.bottom.empty()};
  const bool shown[3] = {published.picture == 11 && users.picture != 11,
                         published.top.empty() && !users.top.empty(),
                         published.bottom.empty() && !users.bottom.empty()};
  for (int f = 0; f < 3; ++f) {
    if (!m.blind[f]) continue;
    if (took[f] && !m.excused[f]) {
      m.excused[f] = true;
      if (f == static_cast<int>(field::picture)) m.users_before.picture = known.picture;
      if (f == static_cast<int>(field::top)) m.users_before.top = known.top;
      if (f == static_cast<int>(field::bottom)) m.users_before.bottom = known.bottom;
    }
    if (shown[f] && !m.shared_excused[f]) {
      m.shared_excused[f] = true;
      if (f == static_cast<int>(field::picture)) m.shared.picture = published.picture;
      if (f == static_cast<int>(field::top)) m.shared.top = published.top;
      if (f == static_cast<int>(field::bottom)) m.shared.bottom = published.bottom;
    }
  }
}

void world::unanswered(messenger &m, const queued_message &q) {
  m.pending = true;
  switch (role_of(q.target)) {
    case role::combo:
      return blind(m, static_cast<int>(field::picture));
    case role::top_edit:
      return blind(m, static_cast<int>(field::top));
    case role::bottom_edit:
      return q.message == WM_SETTEXT ? blind(m, static_cast<int>(field::bottom)) : void();
    case role::apply_panel:
      if (q.message == WM_LBUTTONUP && ++m.clicks_unanswered > 1) blind(m, -1);
      return;
    default:
      return;
  }
}

bool world::user_cancels(messenger &m) {
  if (!free_for_user(m) || !m.visible || !m.opened_by_user) return false;
  note_race(m);
  m.dialog = m.published;
  hide_dialog(m, now_);
  return true;
}

void world::publish(messenger &m, std::uint64_t cause) {
  m.published = as_published(m, m.dialog);
  hide_dialog(m, now_);
  if (watcher_ != nullptr) watcher_->published(m, cause);
}

void world::hide_dialog(messenger &m, time_ms at) {
  if (m.visible) m.dialog_closed_at = at;
  m.visible = false;
  m.opened_by_user = false;
  m.racing = false;
}

unsigned world::handling_of(const messenger &m, HWND target, UINT message) const {
  if (message != WM_LBUTTONUP) return 0;
  if (target == m.apply_panel) return m.slow_apply;
  if (target == m.main_panel) return m.slow_open;
  return 0;
}

time_ms world::start_of(const messenger &m, const queued_message &q) const {
  if (q.handled) return q.started_at;
  if (m.hung_until == forever) return forever;
  time_ms at = std::max(m.free_at, m.hung_until);
  for (const auto &before : m.queue) {
    if (before.get() == &q) break;
    at = std::max(at, before->sent_at) + before->handling;
  }
  return std::max(at, q.sent_at);
}

void world::run_queues(time_ms until) {
  for (const auto &owned : messengers) {
    messenger &m = *owned;
    while (m.running && !m.queue.empty() && m.hung_until != forever) {
      const std::shared_ptr<queued_message> q = m.queue.front();
      const time_ms at = std::max({m.free_at, m.hung_until, q->sent_at});
      if (at > until) break;
      m.queue.pop_front();
      m.free_at = at + q->handling;
      q->started_at = at;
      handle(m, *q, at);
    }
  }
}

void world::handle(messenger &m, queued_message &q, time_ms at) {
  q.handled = true;
  const role target = role_of(q.target);
  if (watcher_ != nullptr && q.from_component) watcher_->dialog_touched(m, q);
  text *edit_text = target == role::bottom_edit ? &m.dialog.bottom
                    : target == role::top_edit  ? &m.dialog.top
                                                : nullptr;
  switch (q.message) {
    case WM_GETTEXTLENGTH:
      q.answer = static_cast<LRESULT>(edit_text != nullptr ? edit_text->size() : caption_length(target));
      break;
    case WM_GETTEXT:
      // A read the component gets the answer of.
      if (q.from_component && q.waited_for) {
        m.read_by_component = true;
        m.last_read = q.number;
        m.users_at_read = m.users;
        m.publishes_since_read = 0;
        std::fill(std::begin(m.blind), std::end(m.blind), false);
        m.clicks_unanswered = 0;
        m.knows_published = m.knows_published || !m.pending;
        if (!m.knows_published) blind(m, -1);
      }
      if (edit_text != nullptr && q.w_param > 0) {
        const std::size_t count = std::min<std::size_t>(edit_text->size(), q.w_param - 1);
        if (q.waited_for) {
          auto *buffer = reinterpret_cast<char16_t *>(q.l_param);
          std::memcpy(buffer, edit_text->data(), count * sizeof(char16_t));
          buffer[count] = 0;
        }
        q.answer = static_cast<LRESULT>(count);
      }
      break;
    case WM_SETTEXT:
      if (edit_text != nullptr) *edit_text = q.written;
      q.answer = 1;
      break;
    case CB_GETCURSEL:
      if (target == role::combo) q.answer = m.dialog.picture;
      break;
    case CB_SETCURSEL:
      if (target == role::combo) {
        const auto index = static_cast<std::intptr_t>(q.w_param);
        m.dialog.picture = index >= 0 && index <= 12 ? static_cast<int>(index) : -1;
        q.answer = m.dialog.picture;
      }
      break;
    case WM_LBUTTONUP:
      if (target == role::apply_panel) {
        publish(m, q.from_component ? q.number : 0);
      } else if (target == role::main_panel) {
        // The status spot opens the dialog on the screen, as the real messenger does.
        create_controls(m);
        if (!m.visible) {
          m.opened_by_user = false;
          m.opener = q.session;
          m.shown_at = at;
        }
        m.visible = true;
      }
      break;
    case WM_SYSCOMMAND:
      if (target == role::status_form && q.w_param == SC_CLOSE) {
        m.dialog = m.published;
        hide_dialog(m, at);
      }
      break;
    default:
      break;
  }
}

bool world::dead_for_now() {
  if (kill_countdown_ > 0 && --kill_countdown_ == 0) player_dead_ = true;
  return player_dead_;
}

void world::new_player_process() {
  for (messenger *m : running_) {
    blind(*m, -1);
    m->knows_published = false;
    m->handed_over_by = 0;
  }
  ++session_;
  player_dead_ = false;
  kill_countdown_ = 0;
  inside_ = nullptr;
  kill_timer();
}

std::shared_ptr<queued_message> world::queue_message(messenger &m, HWND target, UINT message, WPARAM w_param,
                                                     LPARAM l_param) {
  const auto q = std::make_shared<queued_message>();
  q->number = ++messages_;
  q->sent_at = now_;
  q->target = target;
  q->message = message;
  q->w_param = w_param;
  q->l_param = l_param;
  if (message == WM_SETTEXT) q->written = reinterpret_cast<const char16_t *>(l_param);
  q->handling = handling_of(m, target, message);
  q->waited_for = false;
  q->from_component = true;
  q->session = session_;
  m.queue.push_back(q);
  // A look for the dialog's windows, or the close after an opening.
  if (message == WM_GETTEXTLENGTH || message == WM_SYSCOMMAND) blind(m, -1);
  return q;
}

messenger_reply world::send(HWND target, UINT message, WPARAM w_param, LPARAM l_param, UINT wait_ms) {
  if (dead_for_now()) return {false, 0};
  messenger *m = owner_of(target);
  if (m == nullptr) return {false, 0, true};
  if (m->shape.elevated && message != WM_NULL && message != WM_GETTEXT && message != WM_GETTEXTLENGTH) {
    if (watcher_ != nullptr) watcher_->refused(*m);
    return {false, 0, false, system_error::access_denied};
  }
  const std::shared_ptr<queued_message> owned = queue_message(*m, target, message, w_param, l_param);
  queued_message &q = *owned;
  q.waited_for = true;
  // What comes between the message before and this one (a message handed over before it included).
  if (inside_ && --inside_at_ == 0) {
    const std::function<void()> step = std::move(inside_);
    inside_ = nullptr;
    in_flight_ = &q;
    step();
    in_flight_ = nullptr;
  }
  run_queues(now_);
  // Gone while the message waited, and the message with it.
  if (!m->running) return {false, 0, true};
  const time_ms start = start_of(*m, q);
  const time_ms gave_up = q.sent_at + wait_ms;
  if (start != forever && start + q.handling <= gave_up) {
    run_queues(start);
    now_ = std::max(now_, start + q.handling);
    run_queues(now_);
    // An apply click answered, or one handed over before this answer: what it published is known.
    if ((role_of(target) == role::apply_panel && message == WM_LBUTTONUP) || m->handed_over_by == session_) {
      m->knows_published = true;
      m->pending = false;
      m->handed_over_by = 0;
    }
    if (watcher_ != nullptr) {
      watcher_->sent(*m, q, true, static_cast<unsigned>(start + q.handling - q.sent_at), wait_ms);
    }
    return {true, q.answer};
  }
  q.waited_for = false;
  unanswered(*m, q);
  if (!windows_semantics && (start == forever || start > gave_up)) {
    // Taken back before the messenger received it.
    const auto waiting = std::find(m->queue.begin(), m->queue.end(), owned);
    if (waiting != m->queue.end()) m->queue.erase(waiting);
  }
  now_ = std::max(now_, gave_up);
  run_queues(now_);
  if (watcher_ != nullptr) watcher_->sent(*m, q, false, wait_ms, wait_ms);
  return {false, 0};
}

void world::notify(HWND target, UINT message, WPARAM w_param, LPARAM l_param) {
  if (player_dead_) return;
  messenger *m = owner_of(target);
  if (m == nullptr || m->shape.elevated) return;
  // Taken up once the messenger's thread gets to it: before the component's next message, or later.
  const std::shared_ptr<queued_message> q = queue_message(*m, target, message, w_param, l_param);
  unanswered(*m, *q);
  if (message == WM_LBUTTONUP) m->handed_over_by = session_;
  if (watcher_ != nullptr) watcher_->notified(*m, *q);
}

void world::set_timer(unsigned milliseconds, void (*action)()) {
  if (player_dead_) return;
  timer_action_ = action;
  timer_at_ = now_ + milliseconds;
}

void world::kill_timer() {
  timer_action_ = nullptr;
  timer_at_ = forever;
}

void world::pass_time_to(time_ms until) {
  while (timer_at_ <= until) {
    const time_ms at = std::max(timer_at_, now_);
    run_queues(at);
    now_ = at;
    void (*const action)() = timer_action_;
    kill_timer();
    caller_([action] { action(); });
  }
  run_queues(until);
  now_ = std::max(now_, until);
}

HWND world::find_top_level(const wchar_t *window_class, HWND after) {
  auto at = order_.begin();
  if (after != nullptr) {
    at = std::find(order_.begin(), order_.end(), after);
    if (at == order_.end()) return nullptr;
    ++at;
  }
  for (; at != order_.end(); ++at) {
    if (same_class(window_class, class_of(role_of(*at)))) return *at;
  }
  return nullptr;
}

void world::visit_descendants(HWND parent, bool (*visit)(HWND, void *), void *context) {
  messenger *m = owner_of(parent);
  if (m == nullptr) return;
  const std::vector<HWND> children = parent == m->main_form     ? m->main_children
                                     : parent == m->status_form ? m->dialog_children
                                                                : std::vector<HWND>();
  for (HWND child : children) {
    if (!visit(child, context)) return;
  }
}

bool world::class_name(HWND window, char *out, int room) {
  if (owner_of(window) == nullptr || room <= 0) return false;
  const char *name = class_of(role_of(window));
  const std::size_t length = std::min<std::size_t>(std::strlen(name), static_cast<std::size_t>(room - 1));
  std::memcpy(out, name, length);
  out[length] = 0;
  return true;
}

bool world::is_window(HWND window) { return owner_of(window) != nullptr; }

bool world::is_visible(HWND window) {
  messenger *m = owner_of(window);
  return m != nullptr && window == m->status_form && m->visible;
}

bool world::window_rect(HWND window, RECT &rect) {
  messenger *m = owner_of(window);
  if (m == nullptr) return false;
  rect = window == m->main_panel ? RECT{40, 440, 400, 470} : RECT{40, 40, 400, 480};
  return true;
}

DWORD world::process_of(HWND window) {
  messenger *m = owner_of(window);
  return m != nullptr ? m->process : 0;
}

void world::damage_file() {
  if (!file_there) return;
  file.resize(file.size() / 2);
  file_lags = file_cut = true;
}

file_error world::read(record_bytes &out, t_size most) {
  const file_error result = file_fails    ? system_error::directory_not_supported
                            : !file_there ? system_error::file_not_found
                                          : system_error::none;
  if (result == system_error::none) {
    out.set_size(0);
    out.append(file.data(), static_cast<t_size>(std::min<std::size_t>(file.size(), most + 1)));
  }
  if (watcher_ != nullptr && result != system_error::file_not_found)
    watcher_->file_used(result == system_error::none, result == system_error::none && file_cut);
  return result;
}

file_error world::replace(const std::uint8_t *bytes, t_size size) {
  if (player_dead_ || file_fails) return file_written();
  file.assign(bytes, bytes + size);
  file_there = true;
  return file_written();
}

file_error world::remove() {
  if (player_dead_ || file_fails) return file_written();
  file.clear();
  file_there = false;
  return file_written();
}

file_error world::file_written() {
  if (player_dead_) return system_error::none;
  file_lags = file_fails;
  file_cut = file_cut && file_fails;
  if (watcher_ != nullptr) watcher_->file_used(!file_fails, false);
  return file_fails ? system_error::directory_not_supported : system_error::none;
}

}  // namespace sim
