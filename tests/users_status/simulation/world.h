#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "users_status/status_file.h"
#include "messenger/window_system.h"

// A simulated world for the status keeper: messengers with their windows, a clock, the player's
// timer and the component's file, in one process and without a window system. Every message the
// component sends is handled by the simulated messenger as the real one would, with the faults the
// steps choose: a messenger that hangs, slow handlers (the effect at once, the answer late), and a
// send that times out either handled later (as Windows does) or taken back before it was received
// (as Wine does). A messenger may hang, die or restart, and its user act, between any two messages
// of a try; the process id and the window handles of one gone may be taken by another program.
namespace sim {

using time_ms = std::uint64_t;
constexpr time_ms forever = ~time_ms(0);

using text = std::u16string;

struct status {
  int picture = 0;
  text top;
  text bottom;
};
bool operator==(const status &a, const status &b);
inline bool operator!=(const status &a, const status &b) { return !(a == b); }

// The dialog's make-up: a whole one, or one that lacks the picture box or the top edit. An elevated
// messenger (run as administrator) gets from the component only what the system lets through from
// a process of lower rights: a probe and text reads; its restart is not elevated.
struct dialog_shape {
  bool picture_box = true;
  bool top_edit = true;
  bool main_window = true;
  bool controls_at_start = false;
  bool elevated = false;
  bool whole() const { return picture_box && top_edit; }
};

enum class role {
  main_form,
  list_panel,
  main_panel,
  status_form,
  bottom_edit,
  top_edit,
  combo,
  cancel_panel,
  apply_panel,
  other  // a window of a program that is no messenger
};

enum class field { picture, top, bottom };

// A message to the dialog's controls that reads or writes the status.
bool is_status_message(role target, UINT message);
// A message a try sends once it has looked whether the dialog is on the screen: the clicks that open
// it and the close after them, its reads and its writes.
bool is_after_look(role target, UINT message);

// A message that reached a messenger's queue: handled when the messenger's thread is free.
struct queued_message {
  std::uint64_t number;  // the how-manieth message from the component
  time_ms sent_at;
  HWND target;
  UINT message;
  WPARAM w_param;
  LPARAM l_param;
  text written;       // WM_SETTEXT: the text, copied when sent, as the system does
  unsigned handling;  // how long the handler holds the answer
  bool waited_for;    // the sender still waits: only then does WM_GETTEXT fill its buffer
  bool from_component;
  std::uint64_t session;  // the player process that sent it
  LRESULT answer = 0;
  bool handled = false;
  time_ms started_at = 0;  // when the messenger's thread took it up
};

struct messenger {
  int number = 0;
  DWORD process = 0;
  dialog_shape shape;
  bool running = true;
  HWND main_form = nullptr, list_panel = nullptr, main_panel = nullptr, status_form = nullptr;
  HWND bottom_edit = nullptr, top_edit = nullptr, combo = nullptr, cancel_panel = nullptr,
       apply_panel = nullptr;
  // A program that is no messenger: it took the process id and window handles of one that went.
  bool other_program = false;
  bool visible = false;
  bool opened_by_user = false;
  std::uint64_t opener = 0;  // the player process whose click put the dialog on the screen
  status opened_with;        // what the dialog showed when its user opened it
  bool typed[3] = {};        // the fields its user typed in since, by field
  status dialog;             // what its fields hold
  status published;          // what its user's contacts were last shown
  status users;              // the status its user set last, field by field
  // Where the component cannot tell, a field of the status the user published last may come back
  // as their value before: all three after an action of theirs between a try's reads and its
  // writes, which that try may write over (`racing`: in this time in the dialog). Where the
  // component is blind to a field until it reads the dialog again and a value the component writes
  // too (the music picture, an empty text) is involved, the field may come back as their value
  // before, or as that value when they published it there (`shared`).
  bool racing = false;
  bool excused[3] = {};  // by field
  status users_before;
  bool shared_excused[3] = {};
  status shared;
  status user_published;  // the status the user published last
  // Since the component last read the dialog: the user's status then, their publishes, and the
  // fields it cannot tell their values in from its own. It is blind to a field after a write to it
  // went unanswered; to all of them after a second publish, a second apply click left unanswered,
  // a look for the dialog's windows (their opening's close brings back what was published), in
  // another player process than the one that read, and while it does not know what was published
  // last: in a new process, until it reads the dialog with nothing of its own pending (no message
  // unanswered or handed over since its last apply click known handled) or such a click comes.
  status users_at_read;
  int publishes_since_read = 0;
  bool blind[3] = {};
  int clicks_unanswered = 0;
  bool knows_published = false;
  bool pending = false;
  std::uint64_t handed_over_by = 0;  // the player process whose handed-over click awaits an answer
  // The user's last OK made a field new (neither what the dialog showed nor their own from before),
  // and the number of the component's messages by then.
  bool published_anew = false;
  std::uint64_t published_after = 0;
  std::uint64_t last_read = 0;  // the number of the component's last read whose answer it got
  time_ms hung_until = 0;
  unsigned slow_apply = 0;
  unsigned slow_open = 0;
  time_ms free_at = 0;  // its thread is busy until then
  time_ms started_at = 0;
  time_ms stopped_at = 0;
  time_ms dialog_closed_at = 0;
  time_ms shown_at = 0;  // when the dialog last came on the screen
  time_ms user_published_at = 0;
  unsigned hangs = 0;  // hangs begun, to tell one from the next
  // Started again showing what the one before published; until the component has read its dialog,
  // its user leaves the dialog alone, since nothing would tell the component a status the user
  // changed there from the one it published before the restart.
  bool restarted = false;
  bool read_by_component = false;
  std::deque<std::shared_ptr<queued_message>> queue;
  std::vector<HWND> main_children;  // in the order they were made
  std::vector<HWND> dialog_children;

  bool controls() const { return apply_panel != nullptr; }
  bool idle(time_ms now) const { return hung_until <= now && free_at <= now && queue.empty(); }
  // Since when it has answered at once and shown no dialog (forever while it hangs for good).
  time_ms quiet_since() const;
};

// What the promise is told as it happens.
struct world_watcher {
  virtual void sent(const messenger &to, const queued_message &q, bool answered, unsigned waited,
                    unsigned allowed) = 0;
  // `cause`: the number of the component's message that published (0 for the user's OK).
  virtual void published(const messenger &by, std::uint64_t cause) = 0;
  virtual void notified(const messenger &to, const queued_message &q) = 0;
  virtual void dialog_touched(const messenger &m, const queued_message &q) = 0;
  virtual void user_raced(const messenger &m) = 0;
  // The system refused to deliver a message of the component's.
  virtual void refused(const messenger &to) = 0;
  // An operation on the component's file: done or failed, and a read that found it damaged.
  virtual void file_used(bool done, bool damaged) = 0;
  virtual ~world_watcher() = default;
};

class world final : public window_system, public clock_source, public status_file {
 public:
  world();
  ~world();
  world(const world &) = delete;
  world &operator=(const world &) = delete;

  // ---- The world's own steps ----
  messenger &start_messenger(const dialog_shape &shape, const status &users);
  // Nothing tells the component which of two messengers is the restart of the one it served, so a
  // restart comes while no other messenger runs, and a second messenger starts only beside ones the
  // component can tell apart (none restarted); a step that would break this does nothing.
  bool may_restart() const { return running_.size() == 1; }
  bool may_start_another() const;
  // The messenger quits (or is killed; the same to others) and a new one starts showing what it
  // published last, as the real one restores its status; with `same_process`, under the process id
  // the old one had.
  messenger &restart(messenger &old, bool same_process);
  // Another program starts, under the process id and with the window handles of the messenger that
  // went last.
  void start_other_program();
  void quit(messenger &m);
  void hang(messenger &m, unsigned milliseconds);  // 0: until resumed
  void resume(messenger &m);
  // The user's actions, done by the messenger itself; only while its thread is free, which may be
  // between two messages of a try. False when not done.
  bool user_opens(messenger &m);
  bool user_types(messenger &m, field which, const status &values);
  bool user_presses_ok(messenger &m);
  bool user_cancels(messenger &m);

  // Lets time pass to `until`, the timer firing on the way.
  void pass_time_to(time_ms until);
  time_ms now() const { return now_; }

  // The component's calls: counted, and the timer's action run through them.
  void set_caller(std::function<void(std::function<void()>)> caller) { caller_ = std::move(caller); }
  void set_watcher(world_watcher *watcher) { watcher_ = watcher; }
  // The `n`-th next send (1: the next one) runs `step` while it waits: a player's event, as the
  // player's thread takes a message sent to it, or what the messenger and its user do meanwhile.
  void inside_send(unsigned n, std::function<void()> step) {
    inside_at_ = n;
    inside_ = std::move(step);
  }
  bool inside_pending() const { return static_cast<bool>(inside_); }
  // The player's process dies before its n-th next send (1: the next one); 0: not.
  void kill_before_send(unsigned n) { kill_countdown_ = n; }
  bool player_dead() const { return player_dead_; }
  // The player's process ends (quit or killed); a new one starts: its timer is gone, the file stays.
  void player_ends() { player_dead_ = true; }
  void new_player_process();
  // The dialog is its user's: they opened it, or the player process that opened it is gone.
  bool users_dialog(const messenger &m) const;

  // How many messages the component has sent or handed over so far.
  std::uint64_t messages_from_component() const { return messages_; }

  bool windows_semantics = true;  // false: a timed-out send is taken back, as Wine does
  std::vector<std::unique_ptr<messenger>> messengers;
  std::vector<std::uint8_t> file;  // the component's file, empty when there is none
  bool file_there = false;
  // Every operation on the file fails (a folder stands in its place), and the file does not hold what
  // the component wrote last (a write failed, or its bytes were damaged, since).
  bool file_fails = false;
  bool file_lags = false;
  bool file_cut = false;  // its bytes were cut since it was last written
  void damage_file();

  messenger *owner_of(HWND window);
  role role_of(HWND window) const;
  const std::vector<messenger *> &running() const { return running_; }
  // The running messenger whose dialog is at the top of the window order: the one found first.
  messenger *topmost();

  // ---- window_system ----
  HWND find_top_level(const wchar_t *window_class, HWND after) override;
  void visit_descendants(HWND parent, bool (*visit)(HWND, void *), void *context) override;
  bool class_name(HWND window, char *out, int room) override;
  bool is_window(HWND window) override;
  bool is_visible(HWND window) override;
  bool window_rect(HWND window, RECT &rect) override;
  DWORD process_of(HWND window) override;
  messenger_reply send(HWND target, UINT message, WPARAM w_param, LPARAM l_param, UINT wait_ms) override;
  void notify(HWND target, UINT message, WPARAM w_param, LPARAM l_param) override;
  void set_timer(unsigned milliseconds, void (*action)()) override;
  void kill_timer() override;
  // ---- clock_source ----
  std::uint64_t now_ms() override { return now_; }
  // ---- status_file ----
  file_error read(record_bytes &out, t_size most) override;
  file_error replace(const std::uint8_t *bytes, t_size size) override;
  file_error remove() override;

 private:
  // What a write or removal came to: done, unless the file fails, and then it lags behind.
  file_error file_written();
  struct window_entry {
    messenger *owner;
    role what;
    bool alive;
  };

  HWND make_window(messenger &m, role what);
  bool free_for_user(const messenger &m) const;
  // The user acts between a try's reads and its writes.
  void note_race(messenger &m);
  // Which fields of the status the user just published may come back as their value before.
  void excuse(messenger &m, const status &before);
  // The component becomes blind to a field (all three: -1) of the messenger's.
  void blind(messenger &m, int which);
  void excuse_blind_fields(messenger &m);
  // What a message of the component's that was not answered (or was handed over) leaves it blind to.
  void unanswered(messenger &m, const queued_message &q);
  std::shared_ptr<queued_message> queue_message(messenger &m, HWND target, UINT message, WPARAM w_param,
                                                LPARAM l_param);
  void create_controls(messenger &m);
  unsigned handling_of(const messenger &m, HWND target, UINT message) const;
  // When the messenger takes up a message in its queue.
  time_ms start_of(const messenger &m, const queued_message &q) const;
  void handle(messenger &m, queued_message &q, time_ms at);
  void run_queues(time_ms until);
  void publish(messenger &m, std::uint64_t cause);
  void hide_dialog(messenger &m, time_ms at);
  bool dead_for_now();

  time_ms now_ = 1000;
  std::vector<window_entry> windows_;
  std::vector<HWND> order_;           // top-level windows, top first
  std::vector<messenger *> running_;  // oldest first
  void (*timer_action_)() = nullptr;
  time_ms timer_at_ = forever;
  std::function<void(std::function<void()>)> caller_;
  world_watcher *watcher_ = nullptr;
  std::function<void()> inside_;
  unsigned inside_at_ = 0;
  const queued_message *in_flight_ = nullptr;  // the send the step inside it came in
  messenger *gone_last_ = nullptr;
  std::uint64_t session_ = 1;
  std::uint64_t messages_ = 0;
  unsigned kill_countdown_ = 0;
  bool player_dead_ = false;
  int next_number_ = 1;
};

}  // namespace sim
