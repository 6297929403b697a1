#include "host_services.h"

#include "host/host_binding.h"

namespace {

void replace_field(std::string &text, const std::string &field, const std::string &value) {
  for (size_t at = text.find(field); at != std::string::npos; at = text.find(field, at)) {
    text.replace(at, field.size(), value);
    at += value.size();
  }
}

}  // namespace

std::string fake_track::format(const std::string &script) const {
  std::string text = script;
  replace_field(text, "%title%", title);
  replace_field(text, "%artist%", artist);
  return text;
}

bool fake_track::format_title(void *, pfc::string_base &out, titleformat_object *script, void *) {
  out.assign(format(static_cast<fake_script *>(script)->text).c_str());
  return true;
}

bool fake_compiler::compile(titleformat_object **out, const char *script) {
  if (std::string(script).find("$(") != std::string::npos) return false;
  if (*out != nullptr) (*out)->service_release();
  // Each compiled script belongs to its caller, who releases it; it deletes itself then.
  class owned_script final : public fake_script {
   public:
    using fake_script::fake_script;
    int service_release() override {
      const int left = --references;
      if (left == 0) delete this;
      return left;
    }
  };
  *out = new owned_script(script);
  return true;
}

bool fake_playback::get_now_playing(track **out) {
  if (playing == nullptr) return false;
  playing->service_add_ref();
  if (*out != nullptr) (*out)->service_release();
  *out = playing;
  return true;
}

bound_player::bound_player() {
  host.add(console_receiver::class_guid, &console);
  host.add(core_version::class_guid, &version);
  host.add(titleformat_compiler::class_guid, &compiler);
  host.add(playback_control::class_guid, &playback);
  host.add(playlist_manager::class_guid, &playlists);
  bind_host(&host, GetModuleHandleW(nullptr));
  set_services_available(true);
}

bound_player::~bound_player() {
  set_services_available(false);
  bind_host(nullptr, nullptr);
}
