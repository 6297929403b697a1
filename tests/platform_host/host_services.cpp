#include "host_services.h"

#include "check.h"
#include "hand_out.h"
#include "host_errors.h"

namespace {

bool starts_with(const char *text, const char *start) {
  while (*start != 0 && *text == *start) ++text, ++start;
  return *start == 0;
}

void format(titleformat_object *compiled, const char *title, pfc::string_base &out) {
  const char field[] = "%title%";
  const char *script = static_cast<host_script *>(compiled)->script.text();
  out.assign("", pfc::infinite_size);
  const char *kept = script;
  for (const char *at = script; *at != 0;) {
    if (starts_with(at, field)) {
      out.append(kept, static_cast<t_size>(at - kept));
      out.append(title, pfc::infinite_size);
      at += sizeof field - 1;
      kept = at;
    } else {
      ++at;
    }
  }
  out.append(kept, pfc::infinite_size);
}

}  // namespace

host_api::host_api() : main_thread_(GetCurrentThreadId()) {}

void host_api::offer(const GUID &class_guid, service_base *instance) {
  classes_[class_count_++] = {class_guid, instance};
}

class_ref host_api::find_class(const GUID &class_guid) {
  for (t_size i = 0; i < class_count_; ++i) {
    if (guid_equal(classes_[i].guid, class_guid)) return reinterpret_cast<class_ref>(&classes_[i]);
  }
  return nullptr;
}

bool host_api::create_instance(service_base **out, class_ref cls, t_size index) {
  if (cls == nullptr || index != 0) return false;
  hand_out(out, reinterpret_cast<offered_class *>(cls)->instance);
  return true;
}

t_size host_api::instance_count(class_ref cls) { return cls != nullptr ? 1 : 0; }

void host_console::print(const char *text, t_size length) {
  if (count_ < kept_lines) lines_[count_].assign(text, length);
  ++count_;
}

bool host_track::format_title(void *, pfc::string_base &out, titleformat_object *script, void *) {
  format(script, title_, out);
  return true;
}

bool host_compiler::compile(titleformat_object **out, const char *script) {
  if (failure_ != nullptr) throw host_error(failure_);
  if (compiled_ == script_room) return false;
  host_script &compiled = scripts_[compiled_++];
  compiled.script.assign(script, pfc::infinite_size);
  hand_out<titleformat_object>(out, &compiled);
  return true;
}

bool host_compiler::scripts_released() const {
  for (t_size i = 0; i < compiled_; ++i) {
    if (scripts_[i].references() != 1) return false;
  }
  return true;
}

bool host_playback::get_now_playing(track **out) {
  if (playing_ == nullptr) return false;
  hand_out<track>(out, playing_);
  return true;
}

bool host_playback::format_playing_title(void *hook, pfc::string_base &out, titleformat_object *script,
                                         void *filter, int) {
  if (playing_ == nullptr) return false;
  return playing_->format_title(hook, out, script, filter);
}

player_services::player_services() {
  api.offer(console_receiver::class_guid, &console);
  api.offer(playback_control::class_guid, &playback);
  api.offer(titleformat_compiler::class_guid, &compiler);
}
