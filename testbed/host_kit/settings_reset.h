#pragma once

#include "settings/config_variables.h"

// Puts the seven settings back to the values they have at load, and forgets the status record, so
// that each test or fuzz input starts from them.
inline void reset_settings() {
  cfg_enabled = true;
  cfg_active_script.assign(default_title_script);
  cfg_top_text.assign("Now Playing:");
  cfg_music_status_only = false;
  cfg_keep_status_picture = false;
  cfg_keep_first_edit = false;
  cfg_presets.remove_all();
  cfg_owed_status.forget();
}
