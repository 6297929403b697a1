#pragma once

#include <cstdint>

#include "host/boundary.h"

// Writing the playing track into the messenger's status dialog, and putting the user's own
// status back. Callers are the playback events and the main-menu switch, one at a time.

// True once the messenger's status was saved with every control found and answering; from then on
// the restores put that status back.
extern bool status_saved;

// The picture the messenger showed at the last stop; "music status only" announces only while it
// is the music picture.
extern std::int32_t stop_picture;

// Takes the track by value (the reference is released here).
void announce_track(track *by_value);

void restore_status();

// The console line for a messenger that did not answer in time.
void report_messenger_not_responding();

// As restore_status; the picture message carries the music picture's index as its lParam.
void restore_status_music();
