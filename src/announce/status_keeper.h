#pragma once

#include "support/wide_string.h"

// The one home of the user's messenger status and of the component's own. The playback events, the
// hooks and the menu switch ask it to show a track or to put the user's status back; it alone
// decides what reaches the messenger, by these rules:
//
// 1. Read before write. Every try reads the dialog first. A field (picture, bottom text, top text,
//    each on its own) that does not show a value of the component's is the user's, whenever they
//    set it; one that does keeps the user's value known from before.
// 1a. Quiet: the dialog is written and applied only when what it is to show differs from what it
//    shows, or when an earlier write was not applied.
// 2. The component's values are those it wrote that may still be on display: the last one written
//    to each field, and the one before while that write went unanswered (it may land later).
// 3. Putting back writes the user's latest values; a field whose user's value has been written back
//    holds nothing of the component's any more.
// 4. What may be on display is stored with the settings (cfg_kept_status), so a later session still
//    knows it for the component's own. Whatever the component meets showing exactly that is its own.
// 5. One messenger: the instance found first is kept while its status dialog exists; the main window
//    and the dialog always belong to the same process.
// 6. The latest request wins. One that the messenger did not answer is tried again every few seconds
//    until it lands, the messenger is gone, or a newer one replaces it. A stop because another track
//    starts waits a moment for that track to take its place.
// 7. One wait per hang: once a message went unanswered, each event and each try starts with a short
//    probe, and nothing more is sent until a probe is answered.
// 8. The dialog on the screen belongs to its user: it is neither read nor written, and the request
//    waits until the dialog is closed.
// 9. A dialog without both edits, the picture box and the apply panel is left alone.
// 9a. "Music status only": a track is shown only while the user's own picture is the music one.
// 10. The quit hook and switching off stop the timer and try what is pending once; after the quit
//    hook nothing more is started.

// A track to show: its two texts, ready to publish. An empty track has none and is only reported.
struct track_status {
  bool empty_track = false;
  pfc::wide_string bottom;
  pfc::wide_string top;
};

// Why the user's status goes back. With "music status only", a stop's picture message carries the
// music picture's index as its lParam. A stop before another track puts the status back only if no
// track has come within a moment.
enum class put_back_reason { plain, stop, another_track_follows };

void show_track(const track_status &track);
void put_users_status_back(put_back_reason reason);

// At start and when switched on: looks for the messenger, and puts the user's status back where
// something of the component's may have been left on display.
void meet_messenger();

// At the quit hook: the user's status goes back if anything of the component's may be on display
// or pending; then nothing more is started and the messenger's windows are forgotten.
void finish_before_quit();

// Before the switch goes off: the user's status goes back once, then the windows are forgotten.
void finish_before_switch_off();

// False after the quit hook.
bool keeper_takes_requests();

// Back to the state at load: no request, no timer, the messenger answering, nothing kept. The
// stored record is part of the settings and is reset with them.
void reset_status_keeper();
