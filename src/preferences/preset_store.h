#pragma once

#include "support/list.h"
#include "support/wide_string.h"

// Preset texts as the dialogs keep them while the page is open: UTF-16, one string per entry.
using preset_texts = pfc::list_t<pfc::wide_string>;

// Replaces `presets` with the stored presets in order, or with the three default presets when none
// are stored.
void load_presets(preset_texts &presets);

// Replaces the stored presets with these, in order, empty entries included.
void store_presets(const preset_texts &presets);

// Appends the three default presets, in order.
void add_default_presets(preset_texts &presets);
