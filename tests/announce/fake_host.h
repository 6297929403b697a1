#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/boundary.h"
#include "host_service_bases.h"

// A host for the component's code linked into a test: the host API with a playback control, a
// title-format compiler, a playlist manager and a console that keeps its lines. Scripts are
// formatted by plain substitution of %artist% and %title%.

template <typename Base>
class fake_service : public Base {
 public:
  int service_release() override { return --references; }
  int service_add_ref() override { return ++references; }
  bool service_query(service_base **, const GUID &) override { return false; }
  int references = 1;
};

class fake_script final : public fake_service<titleformat_object> {
 public:
  explicit fake_script(std::string source) : source(std::move(source)) {}
  int service_release() override {
    const int left = fake_service::service_release();
    if (left == 0) delete this;
    return left;
  }
  std::string source;
};

class fake_track : public fake_service<track_base> {
 public:
  fake_track(std::string artist, std::string title) : artist(std::move(artist)), title(std::move(title)) {}
  bool format_title(void *, pfc::string_base &out, titleformat_object *script, void *) override;
  std::string format(titleformat_object *script) const;

  std::string artist;
  std::string title;
};

class fake_playback : public fake_service<playback_control_base> {
 public:
  bool get_now_playing(track **out) override;
  bool is_playing() override { return playing != nullptr; }
  bool format_playing_title(void *, pfc::string_base &out, titleformat_object *script, void *,
                            int display_level) override;

  fake_track *playing = nullptr;
  int last_display_level = 0;
};

// Scripts containing "$broken(" do not compile.
class fake_compiler : public fake_service<titleformat_compiler> {
 public:
  bool compile(titleformat_object **out, const char *script) override;
};

class fake_playlists : public fake_service<playlist_manager_base> {
 public:
  t_size get_active_playlist() override { return active; }
  t_size get_focus_item(t_size) override { return focus; }
  void format_item_title(t_size playlist, t_size item, void *, pfc::string_base &out,
                         titleformat_object *script, void *, int) override;

  t_size active = pfc::infinite_size;
  t_size focus = pfc::infinite_size;
  std::vector<fake_track *> items;
};

class fake_console : public fake_service<console_receiver> {
 public:
  void print(const char *text, t_size length) override;
  std::vector<std::string> lines;
};

class fake_host : public foobar2000_api {
 public:
  fake_host();
  ~fake_host();

  void add(const GUID &class_guid, service_base *instance);
  void remove_all(const GUID &class_guid);

  class_ref find_class(const GUID &class_guid) override;
  bool create_instance(service_base **out, class_ref cls, t_size index) override;
  t_size instance_count(class_ref cls) override;
  void reserved_3() override {}
  bool is_main_thread() override { return true; }

  fake_playback playback;
  fake_compiler compiler;
  fake_playlists playlists;
  fake_console console;

 private:
  std::map<std::string, std::vector<service_base *>> classes_;
};
