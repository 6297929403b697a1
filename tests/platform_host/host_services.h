#pragma once

#include <windows.h>

#include "boundary/boundary.h"
#include "counted.h"
#include "host_service_bases.h"
#include "host_text.h"

// The player's side of the boundary: the API object the component finds services through and the
// services it calls, each with counted references. The host holds the first reference of each
// object, so once the component has let go of everything, references() is 1 again.

class host_api : public foobar2000_api {
 public:
  host_api();

  void offer(const GUID &class_guid, service_base *instance);

  class_ref find_class(const GUID &class_guid) override;
  bool create_instance(service_base **out, class_ref cls, t_size index) override;
  t_size instance_count(class_ref cls) override;
  void reserved_3() override { reserved_slot_called(); }
  bool is_main_thread() override { return GetCurrentThreadId() == main_thread_; }

 private:
  struct offered_class {
    GUID guid;
    service_base *instance;
  };
  offered_class classes_[4] = {};
  t_size class_count_ = 0;
  DWORD main_thread_;
};

class host_console : public counted<console_receiver> {
 public:
  void print(const char *text, t_size length) override;

  t_size count() const { return count_; }
  const char *line(t_size index) const { return index < kept_lines ? lines_[index].text() : ""; }

 private:
  static constexpr t_size kept_lines = 8;
  host_text lines_[kept_lines];
  t_size count_ = 0;
};

class host_script : public counted<titleformat_object> {
 public:
  host_text script;
};

// Formats a script by putting the title in place of each %title%; the rest is taken as it is.
class host_track : public counted<track_base> {
 public:
  explicit host_track(const char *title) : title_(title) {}

  // A stream's next title, or an edit of the track's tags.
  void retitle(const char *title) { title_ = title; }

  bool format_title(void *hook, pfc::string_base &out, titleformat_object *script, void *filter) override;

 private:
  const char *title_;
};

class host_compiler : public counted<titleformat_compiler> {
 public:
  // From now on compile throws host_error with this text.
  void fail_with(const char *text) { failure_ = text; }

  bool compile(titleformat_object **out, const char *script) override;

  t_size compiled() const { return compiled_; }
  bool scripts_released() const;

 private:
  static constexpr t_size script_room = 16;
  host_script scripts_[script_room];
  t_size compiled_ = 0;
  const char *failure_ = nullptr;
};

class host_playback : public counted<playback_control_base> {
 public:
  // Borrowed; null when stopped.
  void set_playing(host_track *playing) { playing_ = playing; }

  bool get_now_playing(track **out) override;
  bool is_playing() override { return playing_ != nullptr; }
  bool format_playing_title(void *hook, pfc::string_base &out, titleformat_object *script, void *filter,
                            int display_level) override;

 private:
  host_track *playing_ = nullptr;
};

// The services a case offers the component, registered with the API object.
struct player_services {
  player_services();

  host_api api;
  host_console console;
  host_playback playback;
  host_compiler compiler;
};
