#pragma once

#include <cstdint>

#include "boundary/boundary.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"

// Writing the playing track into the messenger's status dialog, and putting the user's own
// status back. Callers are the playback events, the main-menu switch and the quit hook, one at a
// time.

// True once the messenger's status was saved with every control found and answering; from then on
// the restores put that status back.
extern bool status_saved;

// The picture the messenger showed at the last stop; "music status only" announces only while it
// is the music picture.
extern std::int32_t stop_picture;

// What the component itself has put on display, so that it is never taken for the user's status.
struct own_status_record {
  bool on_display;                 // published, and not restored since
  messenger_instance saved_from;   // the messenger that saved_status was read from
  saved_status_record published;   // the texts and picture last published, as the messenger hands them back
};

extern own_status_record own_status;

// Takes the track by value (the reference is released here).
void announce_track(track *by_value);

void restore_status();

// As restore_status; the picture message carries the music picture's index as its lParam.
void restore_status_music();

// The console line for a messenger that did not answer in time.
void report_messenger_not_responding();
