#include "fake_player.h"

#include "hand_out.h"
#include "host_access/host_binding.h"

namespace {

void replace_field(std::string &text, const std::string &field, const std::string &value) {
  for (std::size_t at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size())) {
    text.replace(at, field.size(), value);
  }
}

}  // namespace

std::string fake_track::format(titleformat_object *script) const {
  std::string text = static_cast<fake_script *>(script)->text;
  replace_field(text, "%title%", title);
  replace_field(text, "%artist%", artist);
  return text;
}

bool fake_track::format_title(void *, pfc::string_base &out, titleformat_object *script, void *) {
  out.assign(format(script).c_str());
  return formats;
}

bool fake_compiler::compile(titleformat_object **out, const char *script) {
  if (std::string(script).find("$(") != std::string::npos) return false;
  if (*out != nullptr) (*out)->service_release();
  *out = new fake_script(script);
  return true;
}

bool fake_playback::get_now_playing(track **out) {
  if (playing == nullptr) return false;
  hand_out<track>(out, playing);
  return true;
}

bool fake_playback::format_playing_title(void *, pfc::string_base &out, titleformat_object *script, void *,
                                         int display_level) {
  last_display_level = display_level;
  if (playing == nullptr) return false;
  out.assign(playing->format(script).c_str());
  return true;
}

void fake_playlists::format_item_title(t_size playlist, t_size item, void *, pfc::string_base &out,
                                       titleformat_object *script, void *, int display_level) {
  formatted_playlist = playlist;
  formatted_item = item;
  formatted_display_level = display_level;
  out.assign(items.at(item)->format(script).c_str());
}

void fake_playlists::focus_on(fake_track *track) {
  items = {track};
  active = 0;
  focus = 0;
}

bound_player::bound_player() {
  host.add(console_receiver::class_guid, &console);
  host.add(core_version::class_guid, &version);
  host.add(titleformat_compiler::class_guid, &compiler);
  host.add(playback_control::class_guid, &playback);
  host.add(playlist_manager::class_guid, &playlists);
#ifdef _WIN32
  bind_host(&host, GetModuleHandleW(nullptr));
#else
  bind_host(&host, nullptr);
#endif
  set_services_available(true);
}

bound_player::~bound_player() {
  set_services_available(false);
  bind_host(nullptr, nullptr);
}
