#pragma once

#include "support/list.h"
#include "support/sizes.h"
#include "support/wide_string.h"

// Marks a listed preset that shows no stored preset unchanged: one added, edited or taken from the
// defaults.
constexpr t_size not_stored = pfc::infinite_size;

// A preset as the page lists it while it is open: its text in UTF-16, and the index of the stored
// preset it shows unchanged. A stored text that is not valid UTF-8 cannot be shown as it is, so the
// index, not the text, is what keeps it.
struct listed_preset {
  pfc::wide_string text;
  t_size stored = not_stored;
};

using preset_list = pfc::list_t<listed_preset>;

// Replaces `presets` with the stored presets in order, or with the three default presets when none
// are stored.
void load_presets(preset_list &presets);

// Whether `presets` is what load_presets gives now, entry for entry.
bool is_as_loaded(const preset_list &presets);

// Replaces the stored presets with these, in order, empty entries included: a preset that shows a
// stored one unchanged keeps its stored bytes exactly, the others are converted from their text.
void store_presets(const preset_list &presets);

// Appends the three default presets, in order.
void add_default_presets(preset_list &presets);
