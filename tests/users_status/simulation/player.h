#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "announce/playback_events.h"
#include "component/menu_switch.h"
#include "component/service_impl.h"
#include "component/start_quit_hooks.h"
#include "fake_player.h"
#include "world.h"

// The player around the component in the simulated world: the host's services, the component's
// real services, and sessions that start from what the host saved and the file holds, end at the
// quit hook or die at any moment.
namespace sim {

enum class playback { stopped, playing, paused };

// The tracks, scripts and top lines the steps choose from, by number.
struct track_entry {
  const char *title;
  const char *artist;
};
extern const std::vector<track_entry> tracks;
extern const std::vector<std::string> scripts;
extern const std::vector<std::string> top_lines;

// A track of the player's, kept in place for as long as the player lives.
class player_track final : public fake_track {
 public:
  using fake_track::fake_track;
};

class player {
 public:
  explicit player(world &w);
  ~player();
  player(const player &) = delete;
  player &operator=(const player &) = delete;

  // Calls into the component (an event, a hook, the timer): each is told to `call_begins` (with
  // whether it is the outermost), the outermost one to `call_ends`.
  void call(const std::function<void()> &body);
  std::function<void(bool outermost)> call_begins;
  std::function<void(time_ms started)> call_ends;

  void start_session();
  void quit();
  void kill();
  void save();
  // Whether the settings the host saved last hold what is owed as the settings hold it now.
  bool saved_owes_what_is_owed() const;

  void new_track(int number);
  // A stream's next title, or an edit of the playing track's tags: from now on the playing track
  // formats as track `number` does.
  void new_title(int number);
  void edit_tags(int number);
  void stop(int reason);
  void pause(bool paused);
  void menu();
  void option(int which);
  void top_line(int which);
  void script(int which);

  bool session = false;
  time_ms session_started = 0;
  playback state = playback::stopped;
  // The track whose texts are to show, and the one the playing track formats as now: they differ
  // after a stream title or tag edit that formats blank (the last text stays) or came unheard.
  int track = -1;
  int source = -1;
  // The event under way is a new text that changes nothing to show: no message may go out.
  bool quiet_event = false;
  // A track event since which the track is the one to show (new track, resume, a changed setting).
  time_ms track_event = 0;
  std::uint64_t track_events = 0;
  // Events that asked the component for something (a track, the user's status), the count of the
  // component's messages when the last came, and whether that was a stop.
  std::uint64_t requests = 0;
  std::uint64_t request_messages = 0;
  bool put_back_after_stop = false;
  std::vector<std::uint8_t> saved;
  std::vector<std::uint8_t> saved_owed;  // what is owed, as the settings saved last hold it
  bound_player host;
  int depth = 0;

 private:
  void after_call();
  void request(bool after_stop = false);
  void settings_changed();
  void new_text(int number, bool edited);
  // The playing track is announced again: resumed, switched on, a setting changed.
  void announced_again();

  world &world_;
  std::deque<player_track> track_objects_;  // in place: the component holds their addresses
  service_impl_single_t<playback_events> events_;
  service_impl_single_t<menu_switch> menu_;
  service_impl_single_t<start_quit_hooks> hooks_;
  time_ms call_started_ = 0;
};

// How much of a text the component keeps: up to the limit of 4096 units, at the last code point
// boundary. (Every text here that is longer ends in letters, a surrogate pair or one letter under
// marks, where the component's cut at a whole character comes to the same.)
std::size_t kept_length(const text &t);

// The component's texts for a track as the user's settings make them (one line, cut), whether the
// track is shown at all (a blank text or a script that does not compile is not), and whether under
// the user's own top line (its script does not compile).
struct track_texts {
  bool shown;
  text bottom;
  text top;
  bool users_top;
};
track_texts texts_of(int track);

}  // namespace sim
