#pragma once

// Every text the component puts on the host's console, together so that they read as one voice and
// can be reviewed or translated in one place. print_own_line (host_access.h) adds "tunesignal: " to
// each line of the component's own; the title-formatting error has no prefix.
namespace console_texts {

// ---- The messenger's state: each said once, until it clears ----

constexpr const char *not_responding =
    "QIP is not responding in time, so what is due (the track or your own status) may not show yet; it is "
    "written again once QIP answers, which is asked every few seconds";
constexpr const char *not_running = "QIP is not running! ^(";
constexpr const char *dialog_open_track_waits =
    "QIP's status dialog is open, so the track is shown once you close it";
constexpr const char *dialog_open_status_waits =
    "QIP's status dialog is open, so your own status is put back once you close it";
// "QIP's status dialog lacks <controls>, so ...": the controls named as below, "a, b and c".
constexpr const char *dialog_lacks = "QIP's status dialog lacks ";
constexpr const char *dialog_lacks_what_follows =
    ", so the track is not shown and your status stays as it is; tracks are shown again once QIP's dialog "
    "is whole";
// The dialog's controls, in the order of their flags (bottom edit, top edit, picture box, OK panel).
constexpr const char *status_controls[] = {"the status text", "the top line", "the picture box",
                                           "the OK panel"};
// "QIP does not take the component's messages (<the system's reason><what follows>".
constexpr const char *messages_refused = "QIP does not take the component's messages (";
constexpr const char *refused_costs =
    "), so what is due (the track or your own status) does not show; it is sent again every few seconds";
constexpr const char *refused_while_elevated =
    ", as when QIP runs as administrator and the player does not), so what is due (the track or your own "
    "status) does not show; it is sent again every few seconds";
// What the quit hook could not put back.
constexpr const char *quit_while_dialog_open =
    "the player quits while QIP's status dialog is open, so your own status is put back when the player "
    "starts next, once you have closed the dialog";
constexpr const char *quit_while_not_answering =
    "the player quits while QIP does not answer, so the track stays on display; your own status is put "
    "back when the player starts next";
constexpr const char *cut_status =
    "your status in QIP is longer than 4096 characters, so only its first 4096 are kept, and that is what "
    "comes back when the music stops";

// ---- The component's file: "<start><the system's reason><costs>" ----

constexpr const char *file_not_read = "its file in your application data folder could not be read (";
constexpr const char *file_not_read_costs =
    "), so what a killed player left owed is taken from the player's saved settings, which may be older";
constexpr const char *file_not_written = "its file in your application data folder could not be written (";
constexpr const char *file_not_written_costs =
    "), so if the player is killed, the track may stay on display instead of your own status; the player's "
    "settings keep it until they are saved";
constexpr const char *file_damaged =
    "its file in your application data folder is damaged, so what a killed player left owed is taken from "
    "the player's saved settings, which may be older";

// ---- The track's text: said once per track ----

constexpr const char *empty_track = "Track is empty! What a pity:((";
// "the active script "<script>" <why><what follows>[; mend it on the preferences page]"
constexpr const char *script_named = "the active script \"";
constexpr const char *script_does_not_compile = "\" does not compile";
constexpr const char *mend_the_script = "; mend it on the preferences page";
constexpr const char *script_failed_for_track = "\" could not be formatted for this track";
constexpr const char *script_gives_empty_text = "\" gives an empty text for this track";
// "the top line "<script>" does not compile, so ..."
constexpr const char *top_line_named = "the top line \"";
constexpr const char *top_line_does_not_compile =
    "\" does not compile, so the track shows under your own top line; mend it on the preferences page";
constexpr const char *script_not_utf8 = "the active script is stored as text that is not valid UTF-8";
constexpr const char *choose_a_script = "; choose a script on the preferences page";
// What follows a blank text: for a new track, and for a new text of the same track.
constexpr const char *own_status_stays = ", so the track is not shown and your own status stays on display";
constexpr const char *last_text_stays = ", so what shows stays as it is";

// The host failed while formatting the track's title: this, then the error's own message.
constexpr const char *title_error = "Exception occurred while getting the title:\n";

// ---- Failures the error barrier caught: "<action> failed: <error>; <what comes next>" ----

struct failure {
  const char *action;
  const char *what_comes_next;
};

constexpr const char *failed = " failed: ";
constexpr const char *unknown_error = "unknown error";

constexpr failure announcing = {"the announcement", "the status stays as it is until the next track"};
constexpr failure putting_back = {"putting the status back",
                                  "it is put back at the next stop, pause or quit"};
constexpr failure trying_again = {"trying again", "the next track, stop or pause tries once more"};
constexpr failure meeting_messenger = {"looking for QIP", "it is looked for again when a track starts"};
constexpr failure putting_back_at_quit = {
    "putting the status back at quit",
    "the next session puts it back when it starts, if the track is still on display"};
constexpr failure switching_off = {"switching Tunesignal off",
                                   "it stays on; choose the menu item again to switch it off"};
constexpr failure switching_on = {"switching Tunesignal on", "the next track is announced when it is on"};
constexpr failure keeping_file_name = {"keeping the component's file name",
                                       "the player shows it without one"};
// The preferences page and the preset editor.
constexpr failure showing_setting = {"showing the changed setting",
                                     "the setting is stored and shows from the next track on"};
constexpr failure opening_page = {
    "opening the preferences page",
    "the page shows what it could, and closing it leaves the stored presets as they are"};
constexpr failure storing_presets = {"storing the presets", "the stored presets are left as they were"};
constexpr failure running_page = {"the preferences page",
                                  "what it was doing did not finish; the page may be tried again"};
constexpr failure previewing = {"the preset preview",
                                "the preview says so and tries again at the next change"};
constexpr failure reading_preset = {"reading the preset", "the editor stays open: try OK again or cancel"};
constexpr failure running_editor = {"the preset editor",
                                    "what it was doing did not finish; the editor may be tried again"};

}  // namespace console_texts
