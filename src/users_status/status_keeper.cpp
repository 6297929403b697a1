#include "users_status/status_keeper.h"

#include "users_status/keeper_timer.h"
#include "users_status/status_file.h"
#include "users_status/status_record.h"
#include "host_access/console_texts.h"
#include "host_access/host_access.h"
#include "host_access/system_errors.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"
#include "settings/config_variables.h"
#include "support/status_text.h"

namespace {

// How soon a request the messenger left unanswered is tried again, how often a dialog on the
// screen is looked at until its user closes it, how long a stop waits for the next track, and how
// often a messenger that is not there is looked for (or the one showing a track looked at).
constexpr unsigned retry_after_ms = 3000;
constexpr unsigned dialog_check_ms = 1000;
constexpr unsigned next_track_wait_ms = 600;
constexpr unsigned messenger_look_ms = 2000;

// A look finds the messenger's windows only, so that the first track is shown the sooner.
enum class request_kind { none, look, track, users_status };

struct request {
  request_kind kind = request_kind::none;
  put_back_reason reason = put_back_reason::plain;
  track_status track;
  bool reported = false;         // an empty track has been reported
  bool waited_for_next = false;  // a stop before another track has waited its moment
  bool read = false;             // a try of it has read the dialog
  bool yielded = false;          // the user published a status of their own since (rule 16)
};

// A whole status to publish: the picture message's two parameters and the texts, its own copies:
// an event that comes while it is written replaces the request they came from.
struct status_to_show {
  std::int32_t picture;
  LPARAM picture_l_param;
  pfc::wide_string bottom;
  pfc::wide_string top;
  bool own;
};

enum class outcome { landed, unanswered, refused, dialog_in_use, absent, incomplete, not_yet_due, replaced };

// The conditions the console tells of, each once until it clears (rule 14).
enum condition : unsigned {
  not_running = 1u << 0,
  not_responding = 1u << 1,
  refusing = 1u << 2,
  dialog_open = 1u << 3,
  incomplete = 1u << 4,
  cut = 1u << 5,
  file_failing = 1u << 6,
};

// What the timer is set for.
enum class waiting { nothing, retry, next_track, dialog_closed, messenger_there, messenger_gone };

// What this session knows of the dialog since it last read it (rule 16), while it knows it: what its
// fields hold unless their user changed them (the values read, then those written with an answer),
// and the statuses its Cancel may bring back (the one published, and one perhaps published since).
// A change that no Cancel explains is the user's own publish.
struct dialog_knowledge {
  bool fields_known = false;
  shown_status fields;
  std::uint8_t published_count = 0;  // 0: not known
  shown_status published[2];
};

struct keeper_state {
  request wanted;
  bool quit = false;
  bool session_begun = false;
  // A try is under way (a message waits for its answer), and a new request came meanwhile.
  bool busy = false;
  bool replaced = false;
  // A message went unanswered, and no probe of this dialog window (of this process) has been
  // answered since.
  bool silent = false;
  HWND silent_window = nullptr;
  DWORD silent_process = 0;
  // The dialog (of its process) to which a message went unanswered since the last apply click: the
  // messenger may be slow rather than hung (a handler busy on the network), so its next apply
  // click is not waited for.
  HWND slow_dialog = nullptr;
  DWORD slow_process = 0;
  // An apply click handed over without waiting, and what it publishes once a later answer shows it
  // handled (rule 10).
  bool click_handed_over = false;
  status_to_show handed_over;
  dialog_knowledge knows;
  waiting timer_for = waiting::nothing;
  // The conditions the console has told of (rule 14).
  unsigned said = 0;
  // The user's status was longer than the component keeps, and is kept cut.
  bool users_status_cut = false;
  // Whether the file may be there, and whether it lags behind the record: its last write failed.
  bool file_there = false;
  bool file_behind = false;
};

keeper_state keeper;
// The record as it was last stored in the file (or would have been, had nothing been owed).
status_record last_stored;

// The record this session works with; the settings and the file hold its bytes.
status_record current;

status_record &record() { return current; }

// ---- The console (rule 14) ----

// A line no console took is not counted as said: it comes once there is one, if the condition
// still holds.
void say(condition which, const char *line) {
  if ((keeper.said & which) == 0 && print_own_line(line)) keeper.said |= which;
}

void cleared(condition which) { keeper.said &= ~which; }

// "<start><the error in words><end>".
void say(condition which, const char *start, std::uint32_t error, const char *end) {
  if ((keeper.said & which) != 0) return;
  pfc::string8 line(start);
  system_error::append_words(error, line);
  line.append(end);
  say(which, line.text());
}

// ---- The record, the settings and the file (rule 5) ----

// The record's bytes go with the settings while something is owed, for the host's next save, and
// while the file lags behind, so that a stale file never wins over what is newer. Otherwise they
// are gone (as when what was stored does not decode).
void keep_with_settings(const status_record &r) {
  cfg_owed_status.bytes.set_size(0);
  if (r.anything_owed() || keeper.file_behind) encode_status_record(r, cfg_owed_status.bytes);
}

file_error write_file(const status_record &r) {
  record_bytes bytes;
  encode_status_record(r, bytes);
  return the_status_file().replace(bytes.data(), bytes.size());
}

// Stores a changed record in the file under the next sequence number, and tries again one that the
// file did not take. With nothing owed the file goes, unless the host's stored settings still owe
// something: the file then says that nothing is, so that a session after a kill does not start from
// the older copy; so it does, too, where the file cannot go. A file that fails is said once, until
// it works again; meanwhile the settings keep the record, for the host's next save.
void store_record() {
  status_record &r = record();
  const bool changed = !r.same_as(last_stored);
  if (!changed && !keeper.file_behind) return;
  if (changed) {
    ++r.sequence;
    last_stored = r;
  }
  file_error failed = system_error::none;
  if (r.anything_owed() || cfg_owed_status.stored_copy_owes()) {
    failed = write_file(r);
    keeper.file_there = true;
  } else if (keeper.file_there) {
    failed = the_status_file().remove();
    if (failed != system_error::none) failed = write_file(r);
    keeper.file_there = failed != system_error::none;
  }
  keeper.file_behind = failed != system_error::none;
  keep_with_settings(r);
  if (failed != system_error::none) {
    say(file_failing, console_texts::file_not_written, failed, console_texts::file_not_written_costs);
  } else {
    cleared(file_failing);
  }
}

// The newer of the settings' record and the file's, once per session. A file that cannot be read,
// or is damaged, is said; the settings' record is taken, and the file written afresh.
void begin_session() {
  if (keeper.session_begun) return;
  keeper.session_begun = true;
  const record_bytes &stored = cfg_owed_status.bytes;
  if (!decode_status_record(stored.data(), stored.size(), current)) current = status_record();
  record_bytes bytes;
  status_record from_file;
  const file_error read = the_status_file().read(bytes, largest_status_record);
  keeper.file_there = read != system_error::file_not_found;
  if (read == system_error::none && decode_status_record(bytes.data(), bytes.size(), from_file)) {
    if (from_file.sequence > current.sequence) current = from_file;
  } else if (read == system_error::none) {
    keeper.file_behind = true;
    print_own_line(console_texts::file_damaged);
  } else if (keeper.file_there) {
    keeper.file_behind = true;
    say(file_failing, console_texts::file_not_read, read, console_texts::file_not_read_costs);
  }
  keep_with_settings(current);
  last_stored = current;
  store_record();
}

// ---- Messages and their answers (rules 5, 8, 9, 10) ----

// Rule 9: the first unanswered message of a hang is reported, once; the dialog window it went to is
// probed from then on.
void note_silence(HWND status_form) {
  keeper.slow_dialog = status_form;
  keeper.slow_process = the_window_system().process_of(status_form);
  say(not_responding, console_texts::not_responding);
  if (keeper.silent) return;
  keeper.silent = true;
  keeper.silent_window = status_form;
  keeper.silent_process = the_window_system().process_of(status_form);
}

// A message the system would not deliver (to a messenger that runs elevated, say) is said with the
// system's reason; nothing after it went, and the try is made again like one left unanswered.
void note_refusal() {
  const std::uint32_t error = refusal_error();
  say(refusing, console_texts::messages_refused, error,
      error == system_error::access_denied ? console_texts::refused_while_elevated
                                           : console_texts::refused_costs);
}

// What a step of a try came to. Rule 5: a window gone is a messenger gone, not one that answered.
outcome outcome_of(messenger_result result, HWND status_form = messenger_windows.status_form) {
  switch (result) {
    case messenger_result::completed:
      cleared(refusing);
      break;
    case messenger_result::not_responding:
      note_silence(status_form);
      return outcome::unanswered;
    case messenger_result::refused:
      note_refusal();
      return outcome::refused;
    case messenger_result::gone:
      reset_messenger_windows();
      return outcome::absent;
  }
  return keeper.replaced ? outcome::replaced : outcome::landed;
}

// Once published, a field shows the value written: the component's own, or (rule 4) the user's,
// and then nothing of the component's.
template <typename T>
void published_now(status_field<T> &field, const T &value, bool own) {
  field.own_count = 0;
  if (own) field.own[field.own_count++] = value;
}

bool same_values(const shown_status &a, const shown_status &b) {
  return a.picture == b.picture && a.bottom == b.bottom && a.top == b.top;
}

shown_status values_of(const status_to_show &to) {
  shown_status values;
  values.picture = to.picture;
  values.bottom = to.bottom;
  values.top = to.top;
  return values;
}

// An apply click whose answer did not come may have published: the Cancel may bring back either.
void may_have_published(const status_to_show &to) {
  dialog_knowledge &knows = keeper.knows;
  if (knows.published_count == 1) {
    knows.published[knows.published_count++] = values_of(to);
  } else {
    knows.published_count = 0;
  }
}

void published(const status_to_show &shown) {
  keeper.knows.published[0] = values_of(shown);
  keeper.knows.published_count = 1;
  status_record &r = record();
  keeper.slow_dialog = nullptr;
  keeper.click_handed_over = false;
  r.unapplied = false;
  published_now(r.picture, shown.picture, shown.own);
  published_now(r.bottom, shown.bottom, shown.own);
  published_now(r.top, shown.top, shown.own);
}

// Rules 9 and 10: a silent messenger is probed first. The messenger handles messages in turn, so its
// answer also says that an apply click handed over before it was handled. A dialog window that is
// gone, or now another program's, is not waited for: discovery finds what runs now, and a click
// handed over to it is lost, its write still owed.
bool messenger_answers_again() {
  if (!keeper.silent) return true;
  messenger_result probe = messenger_result::gone;
  if (is_messenger_window(keeper.silent_window, keeper.silent_process, "TCusForm")) {
    probe = probe_messenger(keeper.silent_window);
    if (probe == messenger_result::not_responding) {
      say(not_responding, console_texts::not_responding);
      return false;
    }
  }
  keeper.silent = false;
  cleared(not_responding);
  if (probe == messenger_result::completed && keeper.click_handed_over) published(keeper.handed_over);
  keeper.click_handed_over = false;
  return true;
}

// ---- Finding the messenger (rules 6, 11) ----

// A field that shows a value of the component's other than the user's own.
template <typename T>
int shows_only_own(const status_field<T> &field, const T &shown) {
  return field.shows_own(shown) && !(shown == field.user) ? 1 : 0;
}

// Rule 6: the messenger whose dialog was read is the one the record names from now on. Rule 5 in
// another instance than the one written to: a restarted messenger shows what it published last,
// the track's line or the top line that only the component wrote (one of them, should its user
// have changed the other since); the music picture alone tells nothing, as users pick it too. In
// a messenger the component never wrote to, a field that matches a value of the component's is
// the user's. Nothing written there waits to be applied.
enum class instance { same, restarted, unrelated };
instance meet_instance(const shown_status &shown) {
  status_record &r = record();
  const DWORD process = status_dialog_process();
  const auto status_form =
      static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(messenger_windows.status_form));
  if (process == r.messenger_process && status_form == r.status_form) return instance::same;
  r.messenger_process = process;
  r.status_form = status_form;
  r.unapplied = false;
  keeper.click_handed_over = false;
  keeper.knows = dialog_knowledge();
  if (shows_only_own(r.bottom, shown.bottom) + shows_only_own(r.top, shown.top) > 0)
    return instance::restarted;
  r.picture.own_count = r.bottom.own_count = r.top.own_count = 0;
  return instance::unrelated;
}

// The windows found before, or found afresh (none when no messenger runs). Discovery asks many
// questions, so a probe goes first: a messenger that hangs costs no full wait there.
outcome find_messenger() {
  if (messenger_windows_still_there(status_dialog_process())) return outcome::landed;
  // The messenger found first is kept: the one the record names, or else the one probed.
  const DWORD preferred =
      record().messenger_process != 0 ? record().messenger_process : keeper.silent_process;
  const HWND status_form = find_status_form(preferred);
  reset_messenger_windows();
  if (status_form == nullptr) return outcome::landed;
  cleared(not_running);
  const outcome probed = outcome_of(probe_messenger(status_form), status_form);
  if (probed != outcome::landed) return probed;
  // The opening's close follows its clicks whatever became of them: once the call returns, the
  // dialog no longer stays on the screen because of it, and its fields hold what was published.
  // Discovery keeps to the messenger probed, should another have come to the top meanwhile.
  keeper.knows.fields_known = false;
  return outcome_of(find_messenger_windows(the_window_system().process_of(status_form)));
}

// ---- Judging and publishing (rules 1 to 4, 10, 16) ----

// The value is neither one of the component's nor the user's known one: the user set it since.
template <typename T>
bool set_anew(const status_field<T> &field, const T &shown) {
  return !field.shows_own(shown) && !(shown == field.user);
}

// Rule 1, and rule 16's whole status: `theirs` takes a value of the component's as the user's. With
// everything the component wrote published, the dialog shows the only value of the component's
// there may be; until then, what was published may come back to it.
template <typename T>
void take_in_shown(status_field<T> &field, const T &shown, bool all_published, bool theirs) {
  const bool own = field.shows_own(shown) && !theirs;
  if (!own) field.user = shown;
  if (!all_published) return;
  field.own_count = 0;
  if (own) field.own[field.own_count++] = shown;
}

// Rule 16: the fields the user set since the last read (picture, bottom, top). What the session
// knows of the dialog tells them; without it, a value that is neither the component's nor the
// user's known one. A restarted messenger shows what the user may have published in the one before;
// what an unrelated one shows is news to the record, not something its user did. True when the
// dialog's Cancel (or the close after an opening) brought back a status published before: the dialog
// then shows what was published, and nothing written waits to be applied.
bool fields_set_by_user(const shown_status &shown, bool unrelated, bool (&set)[3]) {
  const dialog_knowledge &knows = keeper.knows;
  const status_record &r = record();
  if (knows.fields_known && knows.published_count > 0) {
    bool brought_back = false;
    for (std::uint8_t i = 0; i < knows.published_count; ++i)
      brought_back |= same_values(shown, knows.published[i]);
    const bool theirs = !brought_back;
    set[0] = theirs && shown.picture != knows.fields.picture;
    set[1] = theirs && !(shown.bottom == knows.fields.bottom);
    set[2] = theirs && !(shown.top == knows.fields.top);
    return brought_back && !same_values(shown, knows.fields);
  }
  set[0] = !unrelated && set_anew(r.picture, shown.picture);
  set[1] = !unrelated && set_anew(r.bottom, shown.bottom);
  set[2] = !unrelated && set_anew(r.top, shown.top);
  return false;
}

// Rules 1 and 16: what the dialog shows, taken in.
void take_in(const shown_status &shown, bool unrelated) {
  status_record &r = record();
  dialog_knowledge &knows = keeper.knows;
  bool set[3];
  const bool brought_back = fields_set_by_user(shown, unrelated, set);
  const bool users_publish = set[0] || set[1] || set[2];
  if (users_publish || brought_back) {
    // After everything the component sent before: the dialog shows what was published.
    r.unapplied = false;
    keeper.click_handed_over = false;
  }
  if (users_publish && keeper.wanted.kind == request_kind::track && keeper.wanted.read)
    keeper.wanted.yielded = true;
  const int anew = (set[0] && shown.picture != r.picture.user) +
                   (set[1] && !(shown.bottom == r.bottom.user)) + (set[2] && !(shown.top == r.top.user));
  const bool whole = anew >= 2;
  const bool all_published = !r.unapplied;
  take_in_shown(r.picture, shown.picture, all_published, set[0] || (whole && shown.picture == music_picture));
  take_in_shown(r.bottom, shown.bottom, all_published, set[1] || (whole && shown.bottom.length() == 0));
  take_in_shown(r.top, shown.top, all_published, set[2] || (whole && shown.top.length() == 0));
  knows.fields = shown;
  knows.fields_known = true;
  if (all_published) {
    knows.published[0] = shown;
    knows.published_count = 1;
  }
  keeper.wanted.read = true;
}

// Rule 3: a value of the component's may be on display from the moment it is sent. The first value
// (the one published) is kept; when room runs out, the latest of the values written since makes
// way.
template <typename T>
void may_show(status_field<T> &field, const T &value) {
  if (field.shows_own(value)) return;
  const std::uint8_t at =
      field.own_count < status_field<T>::most_own ? field.own_count++ : status_field<T>::most_own - 1;
  field.own[at] = value;
}

// Rules 2 and 3: a write that changes what a field shows owes the apply click, and its value, the
// component's own, may be on display: both are kept before the message goes.
template <typename T>
void before_write(status_field<T> &field, const T &value, const T &shown, bool own) {
  if (value == shown) return;
  if (own) may_show(field, value);
  record().unapplied = true;
  store_record();
}

// What a field holds after a write: its value, once answered; not known, when it may land later.
template <typename T>
void written(T &field, const T &value, outcome step) {
  if (step == outcome::landed || step == outcome::replaced) {
    field = value;
  } else {
    keeper.knows.fields_known = false;
  }
}

bool shown_already(const shown_status &shown, const status_to_show &to) {
  return !record().unapplied && shown.picture == to.picture && shown.bottom == to.bottom &&
         shown.top == to.top;
}

// One write of a publish. A write the deadline does not let go owes nothing (rule 9).
template <typename T, typename Send>
outcome write_field(status_field<T> &field, const T &value, const T &shown, bool own, T &known, Send send) {
  if (!message_may_go()) return outcome_of(messenger_result::not_responding);
  before_write(field, value, shown, own);
  const outcome step = outcome_of(send());
  written(known, value, step);
  return step;
}

outcome publish(const status_to_show &to, const shown_status &shown) {
  status_record &r = record();
  dialog_knowledge &knows = keeper.knows;
  outcome step = write_field(r.picture, to.picture, shown.picture, to.own, knows.fields.picture,
                             [&] { return select_picture(to.picture, to.picture_l_param); });
  if (step == outcome::landed) {
    step = write_field(r.bottom, to.bottom, shown.bottom, to.own, knows.fields.bottom,
                       [&] { return write_text(messenger_windows.bottom_edit, to.bottom.c_str()); });
  }
  if (step == outcome::landed) {
    step = write_field(r.top, to.top, shown.top, to.own, knows.fields.top,
                       [&] { return write_text(messenger_windows.top_edit, to.top.c_str()); });
  }
  if (step == outcome::landed) step = outcome_of(press_apply());
  if (step != outcome::landed) return step;
  // Rule 10.
  const bool hand_over =
      keeper.slow_dialog == messenger_windows.status_form && keeper.slow_process == status_dialog_process();
  const messenger_result released = release_apply(hand_over ? release_wait::none : release_wait::answer);
  if (released == messenger_result::not_responding) {
    may_have_published(to);
    if (hand_over) {
      keeper.handed_over = to;
      keeper.click_handed_over = true;
    }
  }
  step = outcome_of(released);
  if (step == outcome::landed || step == outcome::replaced) published(to);
  return step;
}

outcome publish_users_status(const shown_status &shown) {
  status_record &r = record();
  const bool music_variant = cfg_music_status_only && keeper.wanted.reason != put_back_reason::plain;
  const status_to_show users = {r.picture.user, music_variant ? music_picture : r.picture.user, r.bottom.user,
                                r.top.user, false};
  if (!shown_already(shown, users)) return publish(users, shown);
  // Whatever the component wrote is the user's own value too: nothing of its own is on display.
  r.picture.own_count = r.bottom.own_count = r.top.own_count = 0;
  return outcome::landed;
}

outcome publish_track(const shown_status &shown) {
  request &wanted = keeper.wanted;
  const status_record &r = record();
  // Rule 16: the user's own status stands.
  if (wanted.yielded) return outcome::landed;
  // Rule 13.
  if (cfg_music_status_only && r.picture.user != music_picture) return publish_users_status(shown);
  if (wanted.track.empty_track) {
    // Said by a later try of the request, should no console take it now.
    if (!wanted.reported) wanted.reported = print_own_line(console_texts::empty_track);
    return outcome::landed;
  }
  const std::int32_t picture = cfg_keep_status_picture ? r.picture.user : music_picture;
  const bool users_top = cfg_keep_top_text || wanted.track.users_top;
  const status_to_show track = {picture, 0, wanted.track.bottom, users_top ? r.top.user : wanted.track.top,
                                true};
  return shown_already(shown, track) ? outcome::landed : publish(track, shown);
}

// The controls in `missing` for a person to read, appended: "the top line and the picture box".
void name_missing_controls(unsigned missing, pfc::string8 &out) {
  bool first = true;
  for (unsigned flag = 1, at = 0; flag <= apply_panel_control; flag <<= 1, ++at) {
    if ((missing & flag) == 0) continue;
    if (!first) out.append((missing & ~(2 * flag - 1)) == 0 ? " and " : ", ");
    out.append(console_texts::status_controls[at]);
    first = false;
  }
}

void report_incomplete_dialog() {
  if ((keeper.said & incomplete) != 0) return;
  pfc::string8 line(console_texts::dialog_lacks);
  name_missing_controls(missing_status_controls(), line);
  line.append(console_texts::dialog_lacks_what_follows);
  say(incomplete, line.text());
}

void report_dialog_open() {
  say(dialog_open, keeper.wanted.kind == request_kind::track ? console_texts::dialog_open_track_waits
                                                             : console_texts::dialog_open_status_waits);
}

// One try of the request, from the probe of a silent messenger to the apply click.
outcome attempt() {
  if (keeper.wanted.kind == request_kind::users_status &&
      keeper.wanted.reason == put_back_reason::another_track_follows && !keeper.wanted.waited_for_next) {
    return outcome::not_yet_due;
  }
  if (!messenger_answers_again()) return outcome::unanswered;
  const outcome found = find_messenger();
  if (found != outcome::landed) return found;
  if (messenger_windows.status_form == nullptr) return outcome::absent;
  if (keeper.replaced) return outcome::replaced;
  if (keeper.wanted.kind == request_kind::look) return outcome::landed;
  if (missing_status_controls() != 0) {
    if (keeper.wanted.kind == request_kind::track) report_incomplete_dialog();
    return outcome::incomplete;
  }
  cleared(incomplete);
  if (status_dialog_on_screen()) {
    // At quit, follow() tells what comes of it.
    if (!keeper.quit) report_dialog_open();
    return outcome::dialog_in_use;
  }
  cleared(dialog_open);

  shown_status shown;
  const outcome read = outcome_of(read_status(shown));
  if (read != outcome::landed) return read;
  // The user's status read cut stays so while the dialog shows it as kept, or a text of the
  // component's: only a status the user set anew clears it.
  const status_record &r = record();
  const bool kept_or_own = (r.bottom.user == shown.bottom || r.bottom.shows_own(shown.bottom)) &&
                           (r.top.user == shown.top || r.top.shows_own(shown.top));
  if (shown.cut || !kept_or_own) keeper.users_status_cut = shown.cut;
  if (keeper.users_status_cut) {
    say(cut, console_texts::cut_status);
  } else {
    cleared(cut);
  }
  take_in(shown, meet_instance(shown) == instance::unrelated);
  return keeper.wanted.kind == request_kind::track ? publish_track(shown) : publish_users_status(shown);
}

// ---- Requests, tries and the timer (rules 6, 7, 8) ----

void timer_fired();

void wait_for(waiting what, unsigned milliseconds) {
  keeper.timer_for = what;
  set_keeper_timer(milliseconds, timer_fired);
}

void stop_waiting() {
  keeper.timer_for = waiting::nothing;
  cancel_keeper_timer();
}

// Rule 15: what the quit hook could not put back comes back when the player starts next.
void tell_what_quitting_leaves(outcome result) {
  if (result == outcome::dialog_in_use) {
    print_own_line(console_texts::quit_while_dialog_open);
  } else if (result == outcome::unanswered || result == outcome::refused) {
    print_own_line(console_texts::quit_while_not_answering);
  }
}

// What follows a try: the timer, set for what the try left to wait for.
void follow(outcome result) {
  const bool track = keeper.wanted.kind == request_kind::track;
  if (keeper.quit) {
    if (record().anything_owed()) tell_what_quitting_leaves(result);
    reset_messenger_windows();
    return;
  }
  // A look is done with its one try, whatever came of it: the next event looks again.
  if (keeper.wanted.kind == request_kind::look) {
    keeper.wanted = request();
    return;
  }
  switch (result) {
    case outcome::landed:
    case outcome::incomplete:
      if (track && !keeper.wanted.yielded) {
        wait_for(waiting::messenger_gone, messenger_look_ms);
      } else if (!track) {
        keeper.wanted = request();
      }
      break;
    case outcome::absent:
      // However the try found it gone: at its look, or when a window went while a message waited.
      if (track) say(not_running, console_texts::not_running);
      if (track || record().anything_owed()) {
        wait_for(waiting::messenger_there, messenger_look_ms);
      } else {
        keeper.wanted = request();
      }
      break;
    case outcome::unanswered:
    case outcome::refused:
    case outcome::replaced:
      wait_for(waiting::retry, retry_after_ms);
      break;
    case outcome::dialog_in_use:
      wait_for(waiting::dialog_closed, dialog_check_ms);
      break;
    case outcome::not_yet_due:
      wait_for(waiting::next_track, next_track_wait_ms);
      break;
  }
}

// Rule 8: a try is never entered twice; what comes meanwhile is taken up when it is done.
class try_under_way {
 public:
  try_under_way() { keeper.busy = true; }
  ~try_under_way() { keeper.busy = false; }
  try_under_way(const try_under_way &) = delete;
  try_under_way &operator=(const try_under_way &) = delete;
};

// Rule 8: never entered while a try is under way; take_request() leaves the request for that try instead.
void try_request() {
  begin_session();
  outcome result = outcome::landed;
  {
    const try_under_way busy;
    const shared_deadline deadline;
    do {
      keeper.replaced = false;
      result = keeper.wanted.kind == request_kind::none ? outcome::landed : attempt();
    } while (keeper.replaced);
  }
  follow(result);
  store_record();
}

void timer_fired() {
  const waiting what = keeper.timer_for;
  keeper.timer_for = waiting::nothing;
  if (keeper.quit) return;
  // Looks that ask the window system only: the try comes once there is something to try.
  switch (what) {
    case waiting::messenger_gone:
      if (messenger_windows_still_there(status_dialog_process())) return wait_for(what, messenger_look_ms);
      break;
    case waiting::messenger_there:
      if (find_status_form(0) == nullptr) {
        // A line the console did not take before comes once it is there.
        if (keeper.wanted.kind == request_kind::track) say(not_running, console_texts::not_running);
        return wait_for(what, messenger_look_ms);
      }
      break;
    case waiting::dialog_closed:
      if (messenger_windows_still_there(status_dialog_process()) && status_dialog_on_screen()) {
        return wait_for(what, dialog_check_ms);
      }
      break;
    case waiting::next_track:
      keeper.wanted.waited_for_next = true;
      break;
    case waiting::retry:
    case waiting::nothing:
      break;
  }
  try_request();
}

void take_request(request wanted) {
  if (keeper.quit) return;
  keeper.wanted = wanted;
  if (keeper.busy) {
    keeper.replaced = true;
    return;
  }
  stop_waiting();
  try_request();
}

request users_status_request(put_back_reason reason) {
  request wanted;
  wanted.kind = request_kind::users_status;
  wanted.reason = reason;
  return wanted;
}

}  // namespace

void show_track(const track_status &track) {
  request wanted;
  wanted.kind = request_kind::track;
  wanted.track = track;
  take_request(wanted);
}

void show_new_track_text(const track_status &track) {
  const request &latest = keeper.wanted;
  const bool asked_already = latest.kind == request_kind::track && latest.track.bottom == track.bottom &&
                             latest.track.top == track.top && latest.track.users_top == track.users_top;
  if (!asked_already) show_track(track);
}

void put_users_status_back(put_back_reason reason) { take_request(users_status_request(reason)); }

void meet_messenger() {
  if (keeper.quit) return;
  begin_session();
  if (record().anything_owed()) {
    put_users_status_back(put_back_reason::plain);
  } else if (cfg_enabled) {
    request look;
    look.kind = request_kind::look;
    take_request(look);
  }
}

void finish_before_quit() {
  if (keeper.quit) return;
  begin_session();
  const bool owed = record().anything_owed();
  keeper.quit = true;
  if (keeper.busy) {
    // The try under way takes this up when its message is done.
    keeper.wanted = users_status_request(put_back_reason::plain);
    keeper.replaced = true;
    return;
  }
  stop_waiting();
  if (owed) {
    keeper.wanted = users_status_request(put_back_reason::plain);
    try_request();
  }
  keeper.wanted = request();
  reset_messenger_windows();
}

void finish_before_switch_off() { put_users_status_back(put_back_reason::plain); }

bool keeper_takes_requests() { return !keeper.quit; }

void reset_status_keeper() {
  stop_waiting();
  keeper = keeper_state();
  current = status_record();
  last_stored = status_record();
  reset_messenger_windows();
}
