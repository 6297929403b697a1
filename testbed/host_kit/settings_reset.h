#pragma once

#include "settings/config_variables.h"

// Puts every setting back to its value in a fresh installation, and forgets the status record, so
// that each test or fuzz input starts from them.
inline void reset_settings() {
  cfg_enabled = default_enabled;
  cfg_active_script.assign(default_title_script);
  cfg_top_text.assign(default_top_text);
  cfg_music_status_only = default_music_status_only;
  cfg_keep_status_picture = default_keep_status_picture;
  cfg_keep_top_text = default_keep_top_text;
  cfg_presets.remove_all();
  cfg_owed_status.forget();
}
