#pragma once

#include <windows.h>

#include "preferences/preset_store.h"
#include "support/sizes.h"
#include "support/wide_string.h"

// The preferences page's list box is the working copy of the presets while the page is open.

// The entry's text; empty for an index the list does not have.
pfc::wide_string list_box_get_text(HWND list, t_size index);

// Deletes the entry and inserts `text` at the same index. The selection is not restored.
void list_box_replace(HWND list, t_size index, const pfc::wide_string &text);

// Appends each text in order.
void fill_list_box(HWND list, const preset_texts &texts);

// Replaces `texts` with every entry, first to last.
void read_list_box(HWND list, preset_texts &texts);

// The selected entry, or pfc::infinite_size when none is.
t_size list_box_selection(HWND list);

t_size list_box_count(HWND list);
