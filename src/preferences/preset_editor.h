#pragma once

#include <windows.h>

#include "support/wide_string.h"

// The modal editor of one preset (template 104), opened on the selected entry of the page's list.
// OK puts the edited text, line breaks removed, in place of the entry; Cancel leaves the entry,
// except that an empty entry (such as one just added) is removed. Returns the dialog's result.
INT_PTR edit_preset(HWND page);

INT_PTR CALLBACK preset_editor_proc(HWND editor, UINT message, WPARAM wparam, LPARAM lparam);

// Shows in `target` what the script in `source` gives for the playing (or focused) track.
void update_preview(HWND source, HWND target);

pfc::wide_string read_window_text(HWND window);

// A preset is one line: carriage returns and line feeds are dropped, everything else kept in order.
void remove_line_breaks(pfc::wide_string &text);
