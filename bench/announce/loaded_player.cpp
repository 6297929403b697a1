#include "loaded_player.h"

#include "program_folder.h"

loaded_player::loaded_player() : loader_(component_beside_program().c_str()) {
  host_.add(console_receiver::class_guid, &console_);
  host_.add(core_version::class_guid, &version_);
  host_.add(titleformat_compiler::class_guid, &compiler_);
  host_.add(playback_control::class_guid, &playback_);
  host_.add(playlist_manager::class_guid, &playlists_);
  foobar2000_client *const client = loader_.start(host_);
  if (client != nullptr) events_ = create_service<play_callback_static>(*client);
}

loaded_player::~loaded_player() {
  if (events_ != nullptr) events_->service_release();
}

void loaded_player::announce(fake_track &track) {
  playback_.playing = &track;
  track.service_add_ref();
  events_->on_playback_new_track(&track);
}
