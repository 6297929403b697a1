#include "fake_host.h"

#include <cstring>

#include "host/host_binding.h"
#include "support/string_base.h"

namespace {

std::string key_of(const GUID &guid) {
  return std::string(reinterpret_cast<const char *>(&guid), sizeof guid);
}

void replace_all(std::string &text, const std::string &field, const std::string &value) {
  for (std::size_t at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size())) {
    text.replace(at, field.size(), value);
  }
}

}  // namespace

std::string fake_track::format(titleformat_object *script) const {
  std::string text = static_cast<fake_script *>(script)->source;
  replace_all(text, "%artist%", artist);
  replace_all(text, "%title%", title);
  return text;
}

bool fake_track::format_title(void *, pfc::string_base &out, titleformat_object *script, void *) {
  out.assign(format(script).c_str());
  return true;
}

bool fake_playback::get_now_playing(track **out) {
  if (playing == nullptr) return false;
  playing->service_add_ref();
  if (*out != nullptr) (*out)->service_release();
  *out = playing;
  return true;
}

bool fake_playback::format_playing_title(void *, pfc::string_base &out, titleformat_object *script, void *,
                                         int display_level) {
  last_display_level = display_level;
  if (playing == nullptr) return false;
  out.assign(playing->format(script).c_str());
  return true;
}

bool fake_compiler::compile(titleformat_object **out, const char *script) {
  if (std::strstr(script, "$broken(") != nullptr) return false;
  if (*out != nullptr) (*out)->service_release();
  *out = new fake_script(script);
  return true;
}

void fake_playlists::format_item_title(t_size, t_size item, void *, pfc::string_base &out,
                                       titleformat_object *script, void *, int) {
  out.assign(items.at(item)->format(script).c_str());
}

void fake_console::print(const char *text, t_size length) {
  lines.push_back(length == pfc::infinite_size ? std::string(text) : std::string(text, length));
}

fake_host::fake_host() {
  add(playback_control::class_guid, &playback);
  add(titleformat_compiler::class_guid, &compiler);
  add(playlist_manager::class_guid, &playlists);
  add(console_receiver::class_guid, &console);
  bind_host(this, nullptr);
  set_services_available(true);
}

fake_host::~fake_host() {
  set_services_available(false);
  bind_host(nullptr, nullptr);
}

void fake_host::add(const GUID &class_guid, service_base *instance) {
  classes_[key_of(class_guid)].push_back(instance);
}

void fake_host::remove_all(const GUID &class_guid) { classes_[key_of(class_guid)].clear(); }

class_ref fake_host::find_class(const GUID &class_guid) {
  return reinterpret_cast<class_ref>(&classes_[key_of(class_guid)]);
}

bool fake_host::create_instance(service_base **out, class_ref cls, t_size index) {
  const auto &instances = *reinterpret_cast<std::vector<service_base *> *>(cls);
  if (index >= instances.size()) return false;
  instances[index]->service_add_ref();
  if (*out != nullptr) (*out)->service_release();
  *out = instances[index];
  return true;
}

t_size fake_host::instance_count(class_ref cls) {
  return static_cast<t_size>(reinterpret_cast<std::vector<service_base *> *>(cls)->size());
}
