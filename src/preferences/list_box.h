#pragma once

#include <windows.h>

#include "preferences/preset_store.h"
#include "support/sizes.h"
#include "support/wide_string.h"

// The preferences page's list box is the working copy of the presets while the page is open. Each
// entry's item data tells which stored preset it shows unchanged, if any.

// The entry's text; empty for an index the list does not have.
pfc::wide_string list_box_get_text(HWND list, t_size index);

// The entry's text and the stored preset it shows.
listed_preset list_box_get(HWND list, t_size index);

// Inserts `preset` at `index`; an index past the end appends. Answers where it went.
t_size list_box_insert(HWND list, t_size index, const listed_preset &preset);

// Puts `text` in place of the entry, as an edited one. The selection is not restored.
void list_box_replace(HWND list, t_size index, const pfc::wide_string &text);

// Appends each preset in order.
void fill_list_box(HWND list, const preset_list &presets);

// Replaces `presets` with every entry, first to last.
void read_list_box(HWND list, preset_list &presets);

// The selected entry, or pfc::infinite_size when none is.
t_size list_box_selection(HWND list);

t_size list_box_count(HWND list);
