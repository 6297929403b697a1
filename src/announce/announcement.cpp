#include "announce/announcement.h"

#include <cstring>

#include "users_status/status_keeper.h"
#include "announce/title_format.h"
#include "host_access/console_texts.h"
#include "host_access/host_access.h"
#include "host_access/host_ref.h"
#include "settings/config_variables.h"
#include "support/status_text.h"
#include "support/string8.h"
#include "support/utf8_codec.h"
#include "support/wide_text.h"

namespace {

bool playing_now = false;
// A blank text of the playing track has been told of since its announcement: a stream's blank
// titles are told of once per track.
bool blank_text_said = false;
// The top line's script that does not compile and was told of: told once, until it compiles.
pfc::string8 top_failure_said;

// The text as it is published: one line, at most status_text_limit units, cut at a whole character.
pfc::wide_string published_text(const pfc::string8 &formatted) {
  const pfc::wide_text_from_utf8 wide(formatted.text());
  pfc::wide_string text(wide.get(), wide.units() - 1);
  pfc::make_one_line(text);
  text.set_length(pfc::whole_character_cut(text.c_str(), text.length(), pfc::status_text_limit));
  return text;
}

// The top line: a failed formatting publishes what it produced. One whose script does not compile
// leaves the user's own top line above the track, and the console says so.
void make_top_text(track *by_value, track_status &shown) {
  const char *script = cfg_top_text.text();
  pfc::string8 formatted;
  if (format_now_playing(by_value, script, formatted) != title_outcome::does_not_compile) {
    top_failure_said.assign("");
    shown.top = published_text(formatted);
    return;
  }
  shown.users_top = true;
  if (top_failure_said.length() != 0 && std::strcmp(top_failure_said.text(), script) == 0) return;
  pfc::string8 line(console_texts::top_line_named);
  line.append(script);
  line.append(console_texts::top_line_does_not_compile);
  if (print_own_line(line.text())) top_failure_said.assign(script);
}

// Why the track's text came out blank, in one console line that names the script.
void report_blank_text(title_outcome outcome, const char *script, const char *what_follows) {
  pfc::string8 line(console_texts::script_named);
  line.append(script);
  if (outcome == title_outcome::does_not_compile) {
    line.append(console_texts::script_does_not_compile);
    line.append(what_follows);
    line.append(console_texts::mend_the_script);
  } else {
    line.append(outcome == title_outcome::failed ? console_texts::script_failed_for_track
                                                 : console_texts::script_gives_empty_text);
    line.append(what_follows);
  }
  print_own_line(line.text());
}

// The track's two texts, or false when its text is blank; the console says why when `what_follows`
// is given.
bool track_texts(track *by_value, track_status &shown, const char *what_follows) {
  host_ref<track> track_handle(by_value);
  const char *script = cfg_active_script.text();
  if (!pfc::is_whole_utf8(script)) {
    if (what_follows != nullptr) {
      pfc::string8 line(console_texts::script_not_utf8);
      line.append(what_follows);
      line.append(console_texts::choose_a_script);
      print_own_line(line.text());
    }
    return false;
  }
  pfc::string8 formatted;
  const title_outcome outcome = format_now_playing(track_handle.copy(), script, formatted);
  shown.bottom = published_text(formatted);
  if (pfc::is_blank(shown.bottom)) {
    if (what_follows != nullptr) report_blank_text(outcome, script, what_follows);
    return false;
  }
  make_top_text(track_handle.copy(), shown);
  return true;
}

// The track that plays, as the host's playback control has it; left empty when none does.
void get_playing_track(host_ref<track> &playing) {
  host_ref<playback_control> playback(find_single_service<playback_control>());
  playback->get_now_playing(playing.out());
}

}  // namespace

void announce_track(track *by_value) {
  host_ref<track> track_handle(by_value);
  if (!keeper_takes_requests()) return;
  track_status shown;
  shown.empty_track = !track_handle;
  blank_text_said = track_handle && !track_texts(track_handle.copy(), shown, console_texts::own_status_stays);
  if (blank_text_said) {
    put_users_status_back(put_back_reason::plain);
    return;
  }
  show_track(shown);
}

void announce_playing_track() {
  host_ref<track> playing;
  get_playing_track(playing);
  if (playing) announce_track(playing.copy());
}

void announce_new_text() {
  if (!keeper_takes_requests()) return;
  host_ref<track> playing;
  get_playing_track(playing);
  if (!playing) return;
  track_status shown;
  if (!track_texts(playing.copy(), shown, blank_text_said ? nullptr : console_texts::last_text_stays)) {
    blank_text_said = true;
    return;
  }
  show_new_track_text(shown);
}

void note_track_playing(bool playing) { playing_now = playing; }

bool track_is_playing() { return playing_now; }

void reset_announcement() {
  playing_now = false;
  blank_text_said = false;
  top_failure_said.assign("");
}

void show_settings_change() {
  if (cfg_enabled && playing_now) announce_playing_track();
}
