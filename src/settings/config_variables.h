#pragma once

#include "settings/cfg_int.h"
#include "settings/cfg_string.h"
#include "settings/cfg_string_list.h"
#include "settings/cfg_owed_bytes.h"

// The component's stored settings.
extern cfg_int_t<bool> cfg_enabled;
extern cfg_string cfg_active_script;
extern cfg_string cfg_top_text;
extern cfg_int_t<bool> cfg_music_status_only;
extern cfg_int_t<bool> cfg_keep_status_picture;
// Whether the messenger's top line keeps the user's own text while a track shows.
extern cfg_int_t<bool> cfg_keep_top_text;
extern cfg_string_list cfg_presets;

// Not a setting: what the component has put on display in the messenger and the user's status
// under it, stored with the settings while something is owed, so that it outlives the session.
extern cfg_owed_bytes cfg_owed_status;
// The most bytes cfg_owed_status takes back from the stored settings; the record is never longer.
constexpr t_size owed_status_most_bytes = 80 * 1024;

// Each setting's value in a fresh installation. The presets start empty, which offers the defaults.
constexpr bool default_enabled = true;
// The script announced until the user picks another; also the first default preset.
extern const char *const default_title_script;
constexpr const char *default_top_text = "Now Playing:";
constexpr bool default_music_status_only = false;
constexpr bool default_keep_status_picture = false;
constexpr bool default_keep_top_text = false;

// Offered while cfg_presets is empty and by the preferences page's "Defaults"; never stored by
// itself.
constexpr t_size default_preset_count = 3;
extern const char *const default_presets[default_preset_count];
