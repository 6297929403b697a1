#include "announce/play_callback_qip.h"

#include "announce/announcement.h"
#include "host_access/host_ref.h"
#include "host_access/contained.h"
#include "host_access/host_access.h"
#include "messenger/messenger_channel.h"
#include "messenger/messenger_windows.h"
#include "settings/config_variables.h"

namespace {

void stop_playing() {
  // The picture shown now, before anything is restored, decides whether "music status only" lets
  // the next announcement through.
  const messenger_reply picture =
      messenger_channel().send(messenger_windows.status_combo, CB_GETCURSEL, 0, 0);
  if (!picture.answered) {
    report_messenger_not_responding();
    return;
  }
  stop_picture = static_cast<std::int32_t>(picture.value);
  if (cfg_music_status_only) {
    restore_status_music();
  } else {
    restore_status();
  }
}

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
    run_contained("restoring the status", restore_status);
  } else {
    run_contained("the announcement", announce_playing_track);
  }
}

void play_callback_qip::on_playback_edited(track *by_value) { host_ref<track> release(by_value); }
