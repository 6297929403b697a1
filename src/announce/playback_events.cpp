#include "announce/playback_events.h"

#include "announce/announcement.h"
#include "users_status/status_keeper.h"
#include "host_access/error_barrier.h"
#include "host_access/host_access.h"
#include "host_access/host_ref.h"
#include "settings/config_variables.h"

namespace {

// The host's reason for a stop when the user picked another track: that track follows at once.
constexpr int stop_reason_starting_another = 2;

}  // namespace

void playback_events::on_playback_new_track(track *by_value) {
  host_ref<track> track_handle(by_value);
  note_track_playing(true);
  if (!cfg_enabled) return;
  run_contained(console_texts::announcing, [&] { announce_track(track_handle.copy()); });
}

void playback_events::on_playback_stop(int reason) {
  note_track_playing(false);
  if (!cfg_enabled) return;
  // The next track's announcement takes the place of a put-back that would only flicker.
  const put_back_reason why =
      reason == stop_reason_starting_another ? put_back_reason::another_track_follows : put_back_reason::stop;
  run_contained(console_texts::putting_back, [&] { put_users_status_back(why); });
}

void playback_events::on_playback_pause(bool paused) {
  note_track_playing(!paused);
  if (!cfg_enabled) return;
  if (paused) {
    run_contained(console_texts::putting_back, [] { put_users_status_back(put_back_reason::plain); });
  } else {
    run_contained(console_texts::announcing, announce_playing_track);
  }
}

namespace {

// A stream's next title or an edit of the playing track's tags: shown only while a track plays.
void follow_playing_track() {
  if (!cfg_enabled || !track_is_playing()) return;
  run_contained(console_texts::announcing, announce_new_text);
}

}  // namespace

void playback_events::on_playback_edited(track *by_value) {
  host_ref<track> release(by_value);
  follow_playing_track();
}

void playback_events::on_playback_dynamic_info_track(const void *) { follow_playing_track(); }
