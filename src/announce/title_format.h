#pragma once

// Formatting a title-formatting script against a track through the host's own title formatting.
// Scripts are compiled afresh on every call. On failure the output keeps what it held.

#include "boundary/boundary.h"
#include "support/sizes.h"
#include "support/string_base.h"
#include "support/wide_char.h"

enum class title_outcome {
  made,
  does_not_compile,
  failed,  // nothing plays, or the host failed: an error is reported on the console
};

// The playing track formatted by `script` (the handle passed in is replaced by the playing one).
// Never lets an error escape.
title_outcome format_now_playing(track *by_value, const char *script, pfc::string_base &out);

// The preview of the preset editor: the playing track, or when nothing plays the focused item of
// the active playlist. Errors reach the caller.
bool format_preview(const pfc::wide_char *script, pfc::string_base &out);

// Whether the host's compiler takes the script. Errors reach the caller.
bool script_compiles(const pfc::wide_char *script);

bool format_track(track *by_value, const pfc::wide_char *script, pfc::string_base &out);

bool format_playlist_item(t_size playlist, t_size item, const pfc::wide_char *script, pfc::string_base &out);
