#pragma once

#include <string>
#include <vector>

#include "fake_host.h"
#include "boundary/boundary.h"
#include "counted.h"
#include "host_service_bases.h"
#include "support/string_base.h"
#include "no_copy.h"

// The player's services as plain objects, for the component's code linked into a test. Scripts
// are formatted by substituting %title% and %artist%; a script containing "$(" does not compile.

class fake_core_version : public counted<core_version> {
 public:
  const char *get_version_string() override { return "2.1.4"; }
};

// Made by the compiler for its caller, who releases it; it goes with the last reference.
class fake_script final : public counted_handout<titleformat_object> {
 public:
  explicit fake_script(std::string text) : text(std::move(text)) {}

  std::string text;
};

class fake_track : public counted<track_base> {
 public:
  explicit fake_track(std::string title, std::string artist = "")
      : title(std::move(title)), artist(std::move(artist)) {}
  bool format_title(void *, pfc::string_base &out, titleformat_object *script, void *) override;

  // The script with the track's fields in place of every %title% and %artist%.
  std::string format(titleformat_object *script) const;

  std::string title;
  std::string artist;
  // What format_title answers, whatever it wrote.
  bool formats = true;
};

class fake_compiler : public counted<titleformat_compiler> {
 public:
  bool compile(titleformat_object **out, const char *script) override;
};

class fake_playback : public counted<playback_control_base> {
 public:
  bool get_now_playing(track **out) override;
  bool is_playing() override { return playing != nullptr; }
  bool format_playing_title(void *, pfc::string_base &out, titleformat_object *script, void *,
                            int display_level) override;

  fake_track *playing = nullptr;
  int last_display_level = 0;
};

// One playlist of `items`; active and focus are indices, none by default.
class fake_playlists : public counted<playlist_manager_base> {
 public:
  t_size get_active_playlist() override { return active; }
  t_size get_focus_item(t_size) override { return focus; }
  void format_item_title(t_size, t_size item, void *, pfc::string_base &out, titleformat_object *script,
                         void *, int) override;

  // A playlist of this one track, active and focused on it.
  void focus_on(fake_track *track);

  std::vector<fake_track *> items;
  t_size active = pfc::infinite_size;
  t_size focus = pfc::infinite_size;

  // What the last format_item_title was asked for.
  t_size formatted_playlist = pfc::infinite_size;
  t_size formatted_item = pfc::infinite_size;
  int formatted_display_level = 0;
};

// The whole fake player, bound as the component's host for the life of the object, with the test
// program's own module as the component's module (dialog templates are linked into it).
class bound_player : private no_copy {
 public:
  bound_player();
  ~bound_player();

  fake_host host;
  counted_console console;
  fake_core_version version;
  fake_compiler compiler;
  fake_playback playback;
  fake_playlists playlists;
};
