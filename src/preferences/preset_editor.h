#pragma once

#include <windows.h>

#include "support/wide_string.h"

// The modal editor of one preset (template 104), opened over `owner` on `text`. OK puts the edited
// text, line breaks removed, in `text` and answers true; Cancel, Esc, the close box and an editor
// that could not open answer false and leave `text` as it was.
bool edit_preset(HWND owner, pfc::wide_string &text);

// Shows in `target` what the script in `source` gives for the playing (or focused) track.
void update_preview(HWND source, HWND target);

pfc::wide_string read_window_text(HWND window);

// A preset is one line: carriage returns and line feeds are dropped, everything else kept in order.
void remove_line_breaks(pfc::wide_string &text);
