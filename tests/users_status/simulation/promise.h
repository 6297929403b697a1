#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "player.h"
#include "world.h"

// What the component promises its user, checked as the world goes on:
// - At rest (playback stopped or paused, or switched off; every messenger answering; no dialog on
//   the screen; all of it for 10 s, in a running session), every messenger's dialog shows, and its
//   contacts were last shown, its user's latest status, field by field (a text longer than the
//   component keeps may come back cut).
// - While a track plays, the component is on, the messenger answers and its dialog is closed, its
//   contacts are shown the track within one retry period, unless its user published a status of
//   their own since.
// - Picking another track by hand publishes no user's status between the two tracks (unless that
//   track's text comes out blank: then the user's status is what shows). A status cut
//   to the cap is said on the console before it is put back cut, unless it was read cut while no
//   console took lines by a process that ended before one did.
// - After an event that came inside a send, the rest of the call publishes nothing of the request it
//   replaced.
// - The component publishes either its user's status or a whole track status, never a mix, never a
//   blank or multi-line track text; each change (each step that may change what is due) at most
//   twice.
// - A wait (a send that ran to its time-out) comes at most once per hang and once per change of a
//   slow messenger; the sends of one call wait 2 s at most together.
// - One messenger: the component writes to no other while the one it serves runs. A dialog its user
//   opened is neither read nor written; one the component opened does not stay on the screen while
//   the player that opened it runs. A program that took a gone messenger's process id and window
//   handles gets no message but a probe.
// - Quiet: no apply click where the try found the dialog showing what it was to show, and its
//   contacts shown it last, unless one of the component's messages to it went unanswered (or was
//   handed over) since its last apply click known to be handled. A stop or a switch-off publishes
//   nothing where the dialog shows the user's status, published, in the same case.
// - Each picture message carries the lParam due: 0 for a track, the picture's index for the user's
//   status, the music picture's after a stop with "music status only".
// - A status the user publishes while the component has read their dialog since its last request,
//   with a field new to both, is not written over until the next request.
// - The race: no program can look at another's window and write to it in one step. An action of the
//   user's that comes while a message a try sends after its look waits (its opening clicks and
//   close, its reads, its writes) may be written over by that try: its messages may reach the dialog
//   the user opened then, and until they publish again, their status before that action is theirs
//   too, field by field.
// - Where the dialog alone cannot tell: a field the user set to a value the component writes too (the
//   music picture, an empty text), or that their whole status took, may come back as their value
//   when the component last read the dialog, if they had published since that read or a message
//   of the component's to that messenger went unanswered since. Nothing else is excused.
// - The console says each condition once until it clears, each track's trouble once per track, and
//   nothing else. By the end of a step it has said a message the system refused (once per
//   messenger), a file operation that failed (once until one works) and a damaged file; while a
//   track is due and no messenger runs, after a look, that none runs; and at quit, a track left on
//   display where the user's dialog is open or the messenger does not answer.
// - A loss: where a session ended while neither the file (failing, or damaged) nor the settings the
//   host saved held what it owed, the user's status may be lost as it warns; nothing more is
//   checked of it in that run.
// - A stream's next title or a tag edit that changes nothing to show (the same texts as the track
//   last shown, a blank text, or while paused or switched off) sends no message at all.
// - Round trips: while the messenger's windows are the ones of the last event and it answers, an
//   event sends nothing, the three reads, or the three reads and the five writes of a publish.
namespace sim {

class promise final : public world_watcher {
 public:
  promise(world &w, player &p);

  // Around each step: `event` for one that changes the world; `floor_applies` for a player's event
  // whose messages are counted; `switching` for a track picked by hand whose text shows, which stops
  // the one before.
  void before_step(bool event, bool floor_applies, bool switching, bool put_back_event);
  void after_step();
  void session_started();
  // The quit hook has run: what it could not put back where a dialog is open or a messenger does
  // not answer is said.
  void quit_done();
  // The host's console takes no lines (what is said meanwhile is owed once it is back), or again.
  void console_away(bool away);
  // A step comes while a message of the call under way waits (a change from now on); it was a player's
  // event.
  void inner_step();
  void inner_event();
  void call_begins(bool outermost);
  void call_ends(time_ms started);

  bool failed() const { return !check_.empty(); }
  const std::string &check() const { return check_; }
  const std::string &why() const { return why_; }

  void sent(const messenger &to, const queued_message &q, bool answered, unsigned waited,
            unsigned allowed) override;
  void notified(const messenger &to, const queued_message &q) override;
  void published(const messenger &by, std::uint64_t cause) override;
  void dialog_touched(const messenger &m, const queued_message &q) override;
  void user_raced(const messenger &m) override;
  void refused(const messenger &to) override;
  void file_used(bool done, bool damaged) override;

 private:
  void fail(const std::string &check, const std::string &why);
  void check_at_rest();
  void check_track_shown();
  void check_dialogs();
  void console_line(const std::string &line);
  void check_round_trips();
  void note_instances();
  void note_track_texts();
  bool users_own(const messenger &m, const status &shown) const;
  void check_quiet_apply(const messenger &m, const queued_message &q);
  void check_picture_message(const messenger &m, const queued_message &q);
  void check_console_duties();

  world &world_;
  player &player_;
  std::string check_;
  std::string why_;
  time_ms last_event_ = 0;
  std::uint64_t changes_ = 0;
  std::uint64_t messages_at_change_ = 0;  // a message sent by then belongs to the change before
  const messenger *served_ = nullptr;
  // The component's publishes per messenger and change.
  std::map<std::pair<int, std::uint64_t>, int> publishes_;
  std::set<std::tuple<int, unsigned, std::uint64_t>> waits_;  // messenger, hang or 0, change
  // The texts of every track under the settings met so far: what the component may publish.
  std::string texts_key_;
  const std::vector<track_texts> *texts_ = nullptr;
  std::set<text> track_bottoms_;
  std::set<text> track_tops_;
  // Hears each console line as it is said.
  class console_ear final : public counted<console_receiver> {
   public:
    explicit console_ear(promise &to) : to_(to) {}
    void print(const char *text, t_size length) override {
      to_.console_line(length == pfc::infinite_size ? std::string(text) : std::string(text, length));
    }

   private:
    promise &to_;
  };
  console_ear console_;
  // SIMULATION_TRACE in the environment prints every message, publish and console line.
  bool tracing_;
  std::map<std::string, bool> condition_cleared_;
  std::uint64_t track_line_events_ = 0;
  time_ms dialog_line_at_ = 0;
  // Round trips of the call under way.
  bool floor_applies_ = false;
  bool floor_ready_ = false;  // the served messenger's windows are known from a clean try
  bool floor_now_ = false;
  bool call_clean_ = true;
  bool apply_pending_ = false;  // a message went unanswered since the last apply click
  // What an event inside a send made due, for the rest of the call: nothing said (-2), the user's
  // status (-1), or a track.
  int due_after_inner_ = -2;
  std::uint64_t inner_after_message_ = 0;  // messages up to this one were on their way before it
  // Within a step that switches tracks: the user's status was published, as it must not be.
  bool switching_ = false;
  bool put_back_while_switching_ = false;
  bool said_cut_ = false;  // in any session: the user was told
  // A text longer than the component keeps was read while no console took lines; a new process
  // cannot tell that the cut text it holds was longer, so its put-back may come without a word.
  bool cut_read_unsaid_ = false;
  bool cut_unsayable_ = false;
  std::vector<UINT> call_messages_;
  // The call under way is a new text that changes nothing to show, and the messages sent before it.
  bool quiet_call_ = false;
  std::uint64_t messages_before_call_ = 0;
  std::vector<int> instances_;
  time_ms instances_changed_at_ = 0;
  // Per messenger: whether what its contacts were shown last may differ from what the component
  // knows (one of its messages went unanswered, or an apply click was handed over), and the player
  // process that handed over an apply click, which a later answer to it shows handled.
  std::set<int> unsure_;
  std::map<int, std::uint64_t> handed_over_;
  // The dialog and what was published when the call's read reached it, and the picture message of
  // the call's write.
  std::map<int, std::pair<status, status>> read_saw_;
  struct picture_message {
    WPARAM w_param;
    LPARAM l_param;
    bool after_stop;
  };
  std::map<int, picture_message> picture_sent_;
  bool inner_in_call_ = false;
  // A stop or switch-off found these showing the user's status, published: nothing more to publish.
  std::set<int> nothing_to_publish_;
  std::uint64_t messages_at_event_ = 0;
  // A status its user published with a new field, and the player's requests by then.
  std::map<int, std::uint64_t> users_publish_stands_;
  // The messages of the call in which the user raced a try, by messenger.
  std::map<int, std::pair<std::uint64_t, std::uint64_t>> raced_in_call_;
  // What the console owes by the end of the step, and what it has said.
  std::set<int> refusal_unsaid_;
  std::set<int> refusal_said_;
  bool file_failure_unsaid_ = false;
  bool file_failure_said_ = false;
  bool damage_unsaid_ = false;
  bool not_running_said_ = false;
  bool quit_said_ = false;
  bool console_away_ = false;
  time_ms console_back_at_ = 0;
  time_ms messenger_seen_at_ = 0;
  std::string top_line_seen_;
  bool ended_a_session_ = false;
  bool status_lost_ = false;
};

}  // namespace sim
