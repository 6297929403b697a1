#pragma once

#include <string>

#include "counted.h"
#include "host_service_bases.h"
#include "playlist.h"
#include "service_registry.h"
#include "stream_clock.h"

// The player's transport: which entry of the playlist plays, and whether it is paused. Every change
// is told to the component's playback callbacks, the way the host tells them. A stream plays its
// titles in turn, each for its time, and then ends as a track ends.
class playback {
 public:
  enum class state { stopped, playing, paused };

  playback(playlist &list, service_registry &registry);

  // Starts entry `index` (zero-based, within the playlist). A track that was playing is stopped
  // first, as a user's choice of another track does.
  void play(std::size_t index);

  // Each of these answers, in words for the user, what kept it from acting; empty when it acted.
  // The natural end of a track: the next one starts without a stop in between.
  std::string next();
  std::string pause();
  std::string resume();
  std::string stop();
  // Sets the tag `name` of the playing entry to `text` (an empty one removes it), as an edit of the
  // file's tags does, and tells the callbacks that the playing track was edited.
  std::string edit_tag(const std::string &name, const std::string &text);

  state current_state() const { return state_; }
  player_track *current() const;
  // What the playing track shows: its tags, with a stream's title playing now as "title".
  titleformat::track_info playing_info() const;
  std::size_t current_index() const { return index_; }
  playlist &list() { return list_; }

 private:
  // Makes entry `index` the playing one and hands it to the callbacks as the new track.
  void start_track(std::size_t index, const char *what);
  void stop_events(int reason, const char *what);
  std::string set_paused(bool paused);
  // The stream's next title comes on, or after its last one the stream ends.
  void stream_title_over();

  playlist &list_;
  service_registry &registry_;
  state state_ = state::stopped;
  std::size_t index_ = 0;
  std::size_t stream_title_ = 0;  // of the playing entry, when it is a stream
  stream_clock clock_;
};

// What the host's playback control answers about the transport.
class player_playback_control : public counted<playback_control_base> {
 public:
  explicit player_playback_control(playback &transport) : transport_(transport) {}

  bool get_now_playing(track **out) override;
  bool is_playing() override;
  bool format_playing_title(void *hook, pfc::string_base &out, titleformat_object *script, void *filter,
                            int display_level) override;

 private:
  playback &transport_;
};

// The player has one playlist, always the active one; its focus follows what was played last.
class player_playlist_manager : public counted<playlist_manager_base> {
 public:
  explicit player_playlist_manager(playback &transport) : transport_(transport) {}

  t_size get_active_playlist() override;
  t_size get_focus_item(t_size playlist) override;
  void format_item_title(t_size playlist, t_size item, void *hook, pfc::string_base &out,
                         titleformat_object *script, void *filter, int display_level) override;

 private:
  playback &transport_;
};
