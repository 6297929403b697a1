#pragma once

#include <windows.h>

#include "support/wide_string.h"

// The modal editor of one preset (template 104), opened over `owner` on `text`. OK puts the edited
// text, line breaks removed, in `text` and answers true; Cancel, Esc, the close box and an editor
// that could not open answer false and leave `text` as it was. Its preview follows the script as
// typed and, when it has no text to show, says why.
bool edit_preset(HWND owner, pfc::wide_string &text);

// A preset is one line: carriage returns and line feeds are dropped, everything else kept in order.
void remove_line_breaks(pfc::wide_string &text);
