#include "announce/play_callback_qip.h"

#include "announce/announcement.h"
#include "announce/status_keeper.h"
#include "host_access/contained.h"
#include "host_access/host_access.h"
#include "host_access/host_ref.h"
#include "settings/config_variables.h"

namespace {

void stop_playing() {
  put_users_status_back(cfg_music_status_only ? put_back_reason::stop_music : put_back_reason::stop);
}

void pause_playing() { put_users_status_back(put_back_reason::plain); }

void announce_playing_track() {
  host_ref<track> playing;
  {
    host_ref<playback_control> playback(find_single_service<playback_control>());
    playback->get_now_playing(playing.out());
  }
  if (playing) announce_track(playing.copy());
}

}  // namespace

void play_callback_qip::on_playback_new_track(track *by_value) {
  host_ref<track> track_handle(by_value);
  if (!cfg_enabled) return;
  run_contained("the announcement", [&] { announce_track(track_handle.copy()); });
}

void play_callback_qip::on_playback_stop(int) {
  if (!cfg_enabled) return;
  run_contained("restoring the status", stop_playing);
}

void play_callback_qip::on_playback_pause(bool paused) {
  if (!cfg_enabled) return;
  if (paused) {
    run_contained("restoring the status", pause_playing);
  } else {
    run_contained("the announcement", announce_playing_track);
  }
}

void play_callback_qip::on_playback_edited(track *by_value) { host_ref<track> release(by_value); }
