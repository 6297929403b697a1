#pragma once

#include "boundary/boundary.h"

// Makes the playing track's two texts from the user's scripts, one line each, and asks the status
// keeper to show them. Takes the track by value (the reference is released here); an empty handle
// is reported. A track whose text comes out blank is not shown: the console says why, and the
// user's own status stays on display.
void announce_track(track *by_value);

// Asks the host for the playing track and announces it.
void announce_playing_track();

// A new text of the playing track (a stream's next title, an edit of its tags): formatted again
// and shown when it differs from the track last asked for. A blank text leaves what shows, and is
// told of once per track.
void announce_new_text();

// Whether a track plays (started or resumed, not stopped or paused), as the playback events last
// said. Kept while the component is switched off too.
void note_track_playing(bool playing);
bool track_is_playing();

// Back to the state at load: no track playing, nothing told.
void reset_announcement();

// A changed setting (Set Active, an option, the top line) shows at once: the playing track is
// announced again with it. Nothing while no track plays or while switched off.
void show_settings_change();
