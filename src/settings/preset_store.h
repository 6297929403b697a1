#pragma once

#include <string>
#include <vector>

#include "support/wide_char.h"

// Preset texts as the dialogs keep them while the page is open: UTF-16, one string per entry.
using wide_string = std::basic_string<pfc::wide_char>;
using preset_texts = std::vector<wide_string>;

// The stored presets in order, or the three default presets when none are stored.
void load_presets(preset_texts &presets);

// Replaces the stored presets with these, in order, empty entries included.
void store_presets(const preset_texts &presets);

// The three default presets, in order.
preset_texts default_preset_texts();
