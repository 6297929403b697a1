#pragma once

#include "support/wide_string.h"

// The one home of the user's messenger status and of the component's own. The playback events, the
// hooks and the menu switch ask it to show a track or to put the user's status back; it alone
// decides what reaches the messenger, by these rules:
//
// 1. Read before write. Every try reads the dialog first (three messages). A field (picture, bottom
//    text, top text, each on its own) that does not show a value of the component's is the user's,
//    whenever they set it; one that does keeps the user's value known from before.
// 2. Quiet: the dialog is written and applied (five messages) only when what it is to show differs
//    from what it shows, or when an earlier write may not have been published; a write owes the
//    apply click from its first message that changes what a field shows. A new text of the playing
//    track (a stream's next title, an edit of its tags) that is the track last asked for sends
//    nothing at all, not even the reads, so it never touches a status the user set meanwhile.
// 3. The component's values are those it wrote that may still be on display or published: the one
//    it published last in each field, and, until a later write is published, the values written
//    since (an unanswered one may land later; the dialog's Cancel brings back what was published).
// 4. Putting back writes the user's latest values; a field whose user's value has been written back
//    holds nothing of the component's any more.
// 5. What is owed (values of the component's that may be on display, a write not known to be
//    published) is kept with the settings and, the moment it changes, in the component's own file,
//    each change under the next sequence number. A session starts from the newer of the two and
//    puts back what is owed at its start, also while switched off. A file that cannot be read or
//    written, or is damaged, is said; the settings then keep the record, nothing owed included,
//    until the file holds it again, so that a stale file never wins over a newer record. A window that has
//    gone means its messenger has gone, never that it answered: what is owed stays owed until a messenger
//    takes it. Whatever the component meets showing exactly its own values is its own; in another messenger
//    instance than the one it wrote to, only when it shows a text that only the component wrote
//    (the track's line, or its top line), as a restarted messenger shows what it published last;
//    the music picture alone tells nothing, as users pick it too.
// 6. One messenger: the instance found first is kept while its status dialog exists; the main window
//    and the dialog always belong to the same process. While the windows found before are all there,
//    with the classes they were found by and in that process (asked of the window system, not of the
//    messenger), they are not looked for again: a handle or a process id that another program took
//    is not the messenger's. A messenger that is not there is looked for every 2 s, by a look for its
//    dialog window only, while a track is to be shown or something is owed; while a track shows, the
//    same look tells when its messenger has gone.
// 7. The latest request wins. One that did not land is tried again every 3 s until it lands or a
//    newer one replaces it; a put-back owed is tried until it lands, also while switched off. A stop
//    because another track starts waits 600 ms for that track to take its place.
// 8. Events that come while a message is on its way (the player's thread handles sent messages
//    while it waits) only leave their request; it is taken up when the message is done, and a try
//    whose request was replaced sends nothing more for it.
// 9. One wait per hang: once a message went unanswered, each event and each try starts with a probe
//    of at most 200 ms, and nothing more is sent until a probe is answered. The sends of one event
//    or one timer callback share one deadline of 2 s.
// 10. A slow OK: once a message went unanswered, the next apply click is handed over without
//    waiting for its answer; the messenger answered everything before it, so it lands once the
//    messenger is free. It counts as published once a later message to that messenger is answered
//    (the probe behind it, or the next try's), and stays owed if the messenger goes first.
// 11. The dialog on the screen belongs to its user, unless this session opened it: the component
//    closes what it opens, even when a click went unanswered. An opening is not kept: a dialog on
//    the screen at start is its user's, one a killed session left open included. While the user's
//    dialog is open, nothing is read or written, and only its visibility is looked at, every second.
// 12. A dialog without both edits, the picture box and the apply panel is left alone.
// 13. "Music status only": a track is shown only while the user's own picture is the music one.
// 14. The console says a line about the messenger's state (or the file's) once, until the condition
//    clears, and a line about a track once per track. A line no console took is not said yet.
//    A message the system refuses to deliver is said with the system's reason.
// 15. The quit hook tries what is owed once; after it nothing more is started. What it could not
//    put back (a dialog open, a messenger not answering) is said: it comes back at the next start.
// 16. The user's own status. The messenger takes its user's actions only between the component's
//    messages, so a field that shows neither a value of the component's nor the user's value known
//    from the last read was set by the user since, and published: the dialog then shows what its
//    contacts were shown, and nothing the component wrote before waits to be applied. Within a
//    session and an instance, what the fields hold since the last read (the values read, then those
//    written with an answer) and what the dialog's Cancel may bring back (a whole status published,
//    or perhaps published) tell it more closely: a change that no Cancel explains is the user's, even
//    to a value the component writes too. A messenger taken for the restart of the one written to
//    (rule 5) shows what its user may have published there; an unrelated one tells nothing of that.
//    - Set new in two fields, the status is theirs whole: the third field is theirs too where it
//      shows a value users pick as well (the music picture, an empty text). Where it shows the
//      track's line or a top line of text, it is the component's, and goes back to the user's own.
//      A field set back to the user's earlier value is theirs, but not new.
//    - While a track is due, a status the user publishes after the track's request has read the
//      dialog stays until a new request comes (a new track, a new text of the track, a resume, a
//      changed setting, a switch on): nothing more is sent for that request.
//    - A user's action between a try's reads and its writes may be written over by that try: no
//      program can look at another's window and write to it in one step.

// A track to show: its two texts, ready to publish. An empty track has none and is only reported.
// Where the top line's script does not compile, the track shows under the user's own top line.
struct track_status {
  bool empty_track = false;
  bool users_top = false;
  pfc::wide_string bottom;
  pfc::wide_string top;
};

// Why the user's status goes back. With "music status only", a stop's picture message carries the
// music picture's index as its lParam. A stop before another track puts the status back only if no
// track has come within a moment.
enum class put_back_reason { plain, stop, another_track_follows };

void show_track(const track_status &track);
// A new text of the track that plays: shown as show_track does, unless it is the track last asked for.
void show_new_track_text(const track_status &track);
void put_users_status_back(put_back_reason reason);

// At start and when switched on: puts the user's status back where something is owed, else (when
// switched on) looks for the messenger.
void meet_messenger();

// At the quit hook: what is owed is tried once; then nothing more is started and the messenger's
// windows are forgotten.
void finish_before_quit();

// Before the switch goes off: the user's status goes back, tried until it lands.
void finish_before_switch_off();

// False after the quit hook.
bool keeper_takes_requests();

// Back to the state at load: no request, no timer, the messenger answering, no session begun. The
// stored record is part of the settings and is reset with them.
void reset_status_keeper();
