#pragma once

#include "support/wide_string.h"

// What the preset editor's preview shows for `script`: the text it gives for the playing track, or
// when nothing plays for the focused entry of the active playlist. When that text is empty, the
// preview says why instead, in parentheses. The player's errors reach the caller.
pfc::wide_string preview_of(const pfc::wide_string &script);
