#pragma once

#include "support/sizes.h"

// Presets as users write them: 20 to 110 bytes, every fourth one Cyrillic, numbered so that no two
// are alike. Writes the NUL-terminated text of preset `i` into `out` (at least 160 bytes).
void preset_text(t_size i, char *out);

// Fills the preset list with `count` presets, all other settings at their defaults.
void fill_presets(t_size count);
