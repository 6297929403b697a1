#pragma once

#include "boundary/boundary.h"

// Turns the host's playback events into messenger actions: a new track is announced, a stop or a
// pause puts the user's status back, a resume announces the playing track again.
class playback_events : public play_callback_static {
 public:
  // New track, stop and pause: bits 1, 2 and 4, one per event slot.
  static constexpr unsigned event_flags = 22;

  unsigned get_flags() override { return event_flags; }

  void on_playback_starting(int, bool) override {}
  void on_playback_new_track(track *by_value) override;
  void on_playback_stop(int reason) override;
  void on_playback_seek(double) override {}
  void on_playback_pause(bool paused) override;
  void on_playback_edited(track *by_value) override;
  void on_playback_dynamic_info(const void *) override {}
  void on_playback_dynamic_info_track(const void *) override {}
  void on_playback_time(double) override {}
  void on_volume_change(float) override {}
};
