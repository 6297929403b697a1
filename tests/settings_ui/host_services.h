#pragma once

#include <string>

#include "fake_host.h"
#include "host/boundary.h"
#include "support/string_base.h"

// Counted host services the page and the editor reach through find_single_service.
template <typename I>
class counted : public I {
 public:
  int service_release() override { return --references; }
  int service_add_ref() override { return ++references; }
  bool service_query(service_base **, const GUID &) override { return false; }

  int references = 1;
};

class fake_core_version : public counted<core_version> {
 public:
  const char *get_version_string() override { return "2.1.4"; }
};

// A compiled script remembers its text; scripts containing "$(" do not compile.
class fake_script : public counted<titleformat_object> {
 public:
  explicit fake_script(std::string text) : text(std::move(text)) {}
  std::string text;
};

class fake_track : public counted<track> {
 public:
  explicit fake_track(std::string title, std::string artist = "")
      : title(std::move(title)), artist(std::move(artist)) {}
  void reserved_3() override {}
  bool format_title(void *, pfc::string_base &out, titleformat_object *script, void *) override;

  // The script with the track's fields in place of every %title% and %artist%.
  std::string format(const std::string &script) const;

  std::string title;
  std::string artist;
};

class fake_compiler : public counted<titleformat_compiler> {
 public:
  bool compile(titleformat_object **out, const char *script) override;
};

class fake_playback : public counted<playback_control> {
 public:
  bool get_now_playing(track **out) override;
  bool is_playing() override { return playing != nullptr; }
  bool format_playing_title(void *, pfc::string_base &, titleformat_object *, void *,
                            int) override {
    return false;
  }
  void reserved_4() override {}
  void reserved_5() override {}
  void reserved_7() override {}
  void reserved_8() override {}
  void reserved_9() override {}
  void reserved_10() override {}
  void reserved_11() override {}
  void reserved_12() override {}
  void reserved_13() override {}
  void reserved_14() override {}
  void reserved_15() override {}
  void reserved_16() override {}
  void reserved_17() override {}
  void reserved_18() override {}
  void reserved_19() override {}

  fake_track *playing = nullptr;
};

// One playlist whose focused item is `focused` (none when null).
class fake_playlists : public counted<playlist_manager> {
 public:
  t_size get_active_playlist() override { return focused ? 0 : pfc::infinite_size; }
  t_size get_focus_item(t_size) override { return focused ? 0 : pfc::infinite_size; }
  void format_item_title(t_size, t_size, void *, pfc::string_base &out,
                         titleformat_object *script, void *, int) override {
    out.assign(focused->format(static_cast<fake_script *>(script)->text).c_str());
  }
  void reserved_3() override {}
  void reserved_5() override {}
  void reserved_6() override {}
  void reserved_7() override {}
  void reserved_8() override {}
  void reserved_9() override {}
  void reserved_10() override {}
  void reserved_11() override {}
  void reserved_12() override {}
  void reserved_14() override {}
  void reserved_15() override {}
  void reserved_16() override {}
  void reserved_17() override {}
  void reserved_18() override {}
  void reserved_19() override {}
  void reserved_20() override {}
  void reserved_21() override {}
  void reserved_22() override {}
  void reserved_23() override {}
  void reserved_24() override {}
  void reserved_25() override {}
  void reserved_26() override {}
  void reserved_27() override {}

  fake_track *focused = nullptr;
};

// The whole fake player, bound as the component's host for the life of the object, with the
// test program's own module as the component's module (the templates are linked into it).
class bound_player {
 public:
  bound_player();
  ~bound_player();
  bound_player(const bound_player &) = delete;
  bound_player &operator=(const bound_player &) = delete;

  fake_host host;
  counted_console console;
  fake_core_version version;
  fake_compiler compiler;
  fake_playback playback;
  fake_playlists playlists;
};
