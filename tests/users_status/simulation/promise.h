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
// - Picking another track by hand publishes no user's status between the two tracks. A status cut
//   to the cap is said on the console before it is put back cut.
// - After an event that came inside a send, the rest of the call publishes nothing of the request it
//   replaced.
// - The component publishes either its user's status or a whole track status, never a mix, never a
//   blank or multi-line track text; each change (each step that may change what is due) at most
//   twice.
// - A wait (a send that ran to its time-out) comes at most once per hang and once per change of a
//   slow messenger; the sends of one call wait 2 s at most together.
// - One messenger: the component writes to no other while the one it serves runs. A dialog its user
//   opened is neither read nor written; one the component opened does not stay on the screen.
// - The console says each condition once until it clears, each track's trouble once per track, and
//   nothing else.
// - A stream's next title or a tag edit that changes nothing to show (the same texts as the track
//   last shown, a blank text, or while paused or switched off) sends no message at all.
// - Round trips: while the messenger's windows are the ones of the last event and it answers, an
//   event sends nothing, the three reads, or the three reads and the five writes of a publish.
namespace sim {

class promise final : public world_watcher {
 public:
  promise(world &w, player &p);

  // Around each step: `event` for one that changes the world; `floor_applies` for a player's event
  // whose messages are counted; `switching` for a track picked by hand, which stops the one before.
  void before_step(bool event, bool floor_applies, bool switching);
  void after_step();
  void session_started();
  // A player's event came while a message of the call under way waited.
  void inner_event();
  void call_begins(bool outermost);
  void call_ends(time_ms started);

  bool failed() const { return !check_.empty(); }
  const std::string &check() const { return check_; }
  const std::string &why() const { return why_; }

  void sent(const messenger &to, role target, UINT message, bool answered, unsigned waited,
            unsigned allowed) override;
  void notified(const messenger &to, UINT message) override;
  void published(const messenger &by, std::uint64_t cause) override;
  void dialog_touched(const messenger &m, role target, UINT message) override;

 private:
  void fail(const std::string &check, const std::string &why);
  void check_at_rest();
  void check_track_shown();
  void check_dialogs();
  void console_line(const std::string &line);
  void check_round_trips();
  void note_track_texts();
  bool users_own(const messenger &m, const status &shown) const;

  world &world_;
  player &player_;
  std::string check_;
  std::string why_;
  time_ms last_event_ = 0;
  std::uint64_t changes_ = 0;
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
  std::vector<UINT> call_messages_;
  // The call under way is a new text that changes nothing to show, and the messages sent before it.
  bool quiet_call_ = false;
  std::uint64_t messages_before_call_ = 0;
  std::vector<int> instances_;
  time_ms instances_changed_at_ = 0;
};

}  // namespace sim
