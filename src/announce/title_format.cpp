#include "announce/title_format.h"

#include <exception>

#include "host_access/console_texts.h"
#include "host_access/host_ref.h"
#include "host_access/host_access.h"
#include "support/wide_text.h"

namespace {

// Display level of every formatting call that takes one: the host's regular title display.
constexpr int display_level = 2;

bool compile(host_ref<titleformat_object> &compiled, const char *script) {
  host_ref<titleformat_compiler> compiler(find_single_service<titleformat_compiler>());
  return compiler->compile(compiled.out(), script);
}

// The playing track gets the playback-aware formatting (it knows the playback state); any other
// track formats itself.
void format_with_playback(playback_control &playback, host_ref<track> &track_handle,
                          titleformat_object *compiled, pfc::string_base &out) {
  if (!track_handle) {
    playback.format_playing_title(nullptr, out, compiled, nullptr, display_level);
    return;
  }
  host_ref<track> playing;
  if (playback.get_now_playing(playing.out()) && playing.get() == track_handle.get()) {
    playback.format_playing_title(nullptr, out, compiled, nullptr, display_level);
  } else {
    track_handle->format_title(nullptr, out, compiled, nullptr);
  }
}

}  // namespace

title_outcome format_now_playing(track *by_value, const char *script, pfc::string_base &out) {
  host_ref<track> track_handle(by_value);
  try {
    host_ref<playback_control> playback(find_single_service<playback_control>());
    host_ref<titleformat_object> compiled;
    if (!compile(compiled, script)) return title_outcome::does_not_compile;
    if (!playback->get_now_playing(track_handle.out())) return title_outcome::failed;
    format_with_playback(*playback.get(), track_handle, compiled.get(), out);
    return title_outcome::made;
  } catch (const std::exception &error) {
    console::formatter message;
    message << console_texts::title_error << error.what();
    return title_outcome::failed;
  }
}

bool format_preview(const pfc::wide_char *script, pfc::string_base &out) {
  host_ref<playback_control> playback(find_single_service<playback_control>());
  if (playback->is_playing()) {
    host_ref<track> playing;
    if (!playback->get_now_playing(playing.out())) return false;
    return format_track(playing.copy(), script, out);
  }
  host_ref<playlist_manager> playlists(find_single_service<playlist_manager>());
  const t_size playlist = playlists->get_active_playlist();
  if (playlist == pfc::infinite_size) return false;
  const t_size item = playlists->get_focus_item(playlist);
  if (item == pfc::infinite_size) return false;
  return format_playlist_item(playlist, item, script, out);
}

bool script_compiles(const pfc::wide_char *script) {
  host_ref<titleformat_object> compiled;
  return compile(compiled, pfc::utf8_text_from_wide(script).get());
}

bool format_track(track *by_value, const pfc::wide_char *script, pfc::string_base &out) {
  host_ref<track> track_handle(by_value);
  host_ref<titleformat_object> compiled;
  if (!compile(compiled, pfc::utf8_text_from_wide(script).get())) return false;
  return track_handle->format_title(nullptr, out, compiled.get(), nullptr);
}

bool format_playlist_item(t_size playlist, t_size item, const pfc::wide_char *script, pfc::string_base &out) {
  host_ref<titleformat_object> compiled;
  if (!compile(compiled, pfc::utf8_text_from_wide(script).get())) return false;
  host_ref<playlist_manager> playlists(find_single_service<playlist_manager>());
  playlists->format_item_title(playlist, item, nullptr, out, compiled.get(), nullptr, display_level);
  return true;
}
