#include "loaded_player.h"

#include "program_folder.h"

loaded_player::loaded_player()
    : shared_(LoadLibraryW((program_folder() + L"shared.dll").c_str())),
      module_(LoadLibraryExW((program_folder() + L"foo_tunesignal.dll").c_str(), nullptr,
                             LOAD_WITH_ALTERED_SEARCH_PATH)) {
  host_.add(console_receiver::class_guid, &console_);
  host_.add(core_version::class_guid, &version_);
  host_.add(titleformat_compiler::class_guid, &compiler_);
  host_.add(playback_control::class_guid, &playback_);
  host_.add(playlist_manager::class_guid, &playlists_);
  if (module_ == nullptr) return;
  const auto entry = reinterpret_cast<foobar2000_get_interface_t>(
      reinterpret_cast<void *>(GetProcAddress(module_, entry_point_name)));
  if (entry == nullptr) return;
  foobar2000_client *const client = entry(&host_, module_);
  for (service_factory_base *f = client->get_service_list(); f != nullptr; f = f->next_factory()) {
    if (!guid_equal(f->class_guid(), play_callback_static::class_guid)) continue;
    service_base *made = nullptr;
    f->instance_create(&made);
    events_ = static_cast<play_callback_static *>(made);
  }
}

loaded_player::~loaded_player() {
  if (events_ != nullptr) events_->service_release();
  if (module_ != nullptr) FreeLibrary(module_);
  if (shared_ != nullptr) FreeLibrary(shared_);
}

void loaded_player::announce(fake_track &track) {
  playback_.playing = &track;
  track.service_add_ref();
  events_->on_playback_new_track(&track);
}
