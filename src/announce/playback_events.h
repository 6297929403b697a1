#pragma once

#include "boundary/boundary.h"

// Turns the host's playback events into messenger actions: a new track is announced, a stop or a
// pause puts the user's status back, a resume announces the playing track again, and a new text of
// the playing track (a stream's next title, an edit of its tags) is shown when it changed.
class playback_events : public play_callback_static {
 public:
  // New track, stop, pause, edited track and the playing track's dynamic information: bits 1, 2,
  // 4, 5 and 7, one per event slot.
  static constexpr unsigned event_flags = 182;

  unsigned get_flags() override { return event_flags; }

  void on_playback_starting(int, bool) override {}
  void on_playback_new_track(track *by_value) override;
  void on_playback_stop(int reason) override;
  void on_playback_seek(double) override {}
  void on_playback_pause(bool paused) override;
  void on_playback_edited(track *by_value) override;
  void on_playback_dynamic_info(const void *) override {}
  void on_playback_dynamic_info_track(const void *) override;
  void on_playback_time(double) override {}
  void on_volume_change(float) override {}
};
