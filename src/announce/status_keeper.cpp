#include "announce/status_keeper.h"

#include "announce/retry_timer.h"
#include "host_access/host_access.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"
#include "settings/config_variables.h"

namespace {

// How soon a request the messenger left unanswered is tried again, how often a dialog on the
// screen is looked at until its user closes it, and how long a stop waits for the next track.
constexpr unsigned retry_after_ms = 3000;
constexpr unsigned dialog_check_ms = 1000;
constexpr unsigned next_track_wait_ms = 600;

constexpr const char *not_responding_message =
    "tunesignal: QIP is not responding, so the status stays as it is for now; what is due (the track or "
    "your own status) is written once QIP answers again, which is asked every few seconds";
constexpr const char *empty_track_message = "tunesignal: Track is empty! What a pity:((";
constexpr const char *incomplete_dialog_message =
    "tunesignal: QIP's status dialog lacks a text field, the picture box or the OK panel, so the track "
    "is not shown and your status stays as it is; tracks are shown again once QIP's dialog is whole";

enum class request_kind { none, track, users_status };

struct request {
  request_kind kind = request_kind::none;
  put_back_reason reason = put_back_reason::plain;
  track_status track;
};

struct keeper_state {
  request wanted;
  bool quit = false;
  // A message went unanswered, and no probe of this window has been answered since.
  bool silent = false;
  HWND silent_window = nullptr;
  // Something was written into the dialog and the apply click that publishes it was not answered.
  bool unapplied = false;
};

keeper_state keeper;

status_record &kept() { return cfg_kept_status.value; }

// Rule 7: the first unanswered message of a hang is reported, once.
bool answered(messenger_result result) {
  if (result == messenger_result::completed) return true;
  if (!keeper.silent) {
    keeper.silent = true;
    keeper.silent_window = messenger_windows.status_form;
    console_print(not_responding_message);
  }
  return false;
}

bool messenger_answers_again() {
  if (!keeper.silent) return true;
  // A window that is gone is not waited for: discovery finds what runs now.
  if (is_valid_window(keeper.silent_window) && !messenger_answers(keeper.silent_window)) return false;
  keeper.silent = false;
  return true;
}

// Rule 1.
template <typename T>
void judge(status_field<T> &field, const T &shown) {
  if (field.shows_own(shown)) {
    field.own[0] = shown;
    field.own_count = 1;
  } else {
    field.user = shown;
    field.own_count = 0;
  }
}

// Rule 2: a value of the component's may be on display from the moment it is sent, and is the only
// one there once the messenger answered.
template <typename T, typename Send>
bool write_own(status_field<T> &field, const T &value, Send send) {
  if (!field.shows_own(value)) {
    const std::uint8_t at = field.own_count < status_field<T>::most_own ? field.own_count++
                                                                        : status_field<T>::most_own - 1;
    field.own[at] = value;
  }
  if (!answered(send())) return false;
  field.own[0] = value;
  field.own_count = 1;
  return true;
}

// Rule 3.
template <typename T, typename Send>
bool write_users(status_field<T> &field, Send send) {
  if (!answered(send())) return false;
  field.own_count = 0;
  return true;
}

// Rule 1a: what the dialog shows has been published, unless a write of the component's was not
// applied, here or (for a put-back still owed) in an earlier session.
bool already_shown(const shown_status &shown, std::int32_t picture, const pfc::wide_string &bottom,
                   const pfc::wide_string &top) {
  return !keeper.unapplied && !kept().put_back_pending && shown.picture == picture && shown.bottom == bottom &&
         shown.top == top;
}

template <typename Writes>
bool publish(Writes writes) {
  keeper.unapplied = true;
  if (!writes() || !answered(apply_status())) return false;
  keeper.unapplied = false;
  return true;
}

bool publish_users_status(const shown_status &shown) {
  status_record &k = kept();
  if (already_shown(shown, k.picture.user, k.bottom.user, k.top.user)) {
    // Whatever the component wrote is the user's own value too: nothing of its own is on display.
    k.picture.own_count = k.bottom.own_count = k.top.own_count = 0;
    return true;
  }
  const std::int32_t picture = k.picture.user;
  const bool music_variant = cfg_music_status_only && keeper.wanted.reason != put_back_reason::plain;
  const LPARAM picture_l_param = music_variant ? music_picture : picture;
  return publish([&] {
    return write_users(k.picture, [&] { return select_picture(picture, picture_l_param); }) &&
           write_users(k.bottom, [&] { return write_text(messenger_windows.bottom_edit, k.bottom.user.c_str()); }) &&
           write_users(k.top, [&] { return write_text(messenger_windows.top_edit, k.top.user.c_str()); });
  });
}

bool publish_track(const shown_status &shown) {
  const track_status &track = keeper.wanted.track;
  status_record &k = kept();
  // Rule 9a.
  if (cfg_music_status_only && k.picture.user != music_picture) return publish_users_status(shown);
  if (track.empty_track) {
    console_print(empty_track_message);
    return true;
  }
  const std::int32_t picture = cfg_keep_status_picture ? k.picture.user : music_picture;
  const pfc::wide_string top = cfg_keep_first_edit ? k.top.user : track.top;
  if (already_shown(shown, picture, track.bottom, top)) return true;
  return publish([&] {
    return write_own(k.picture, picture, [&] { return select_picture(picture); }) &&
           write_own(k.bottom, track.bottom,
                     [&] { return write_text(messenger_windows.bottom_edit, track.bottom.c_str()); }) &&
           write_own(k.top, top, [&] { return write_text(messenger_windows.top_edit, top.c_str()); });
  });
}

// Rule 5: the messenger met is the one the record names from now on.
void note_instance() {
  kept().messenger_process = messenger_process();
  kept().status_form = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(messenger_windows.status_form));
}

bool find_messenger() {
  if (!messenger_answers_again() || !answered(find_messenger_windows(kept().messenger_process))) return false;
  if (messenger_windows.status_form != nullptr) note_instance();
  return true;
}

enum class outcome { finished, unanswered, dialog_in_use };

outcome try_request() {
  if (!find_messenger()) return outcome::unanswered;
  // No messenger: nothing to show the request to, and nothing to put back in it.
  if (messenger_windows.status_form == nullptr) return outcome::finished;
  if (!status_controls_complete()) {
    if (keeper.wanted.kind == request_kind::track) console_print(incomplete_dialog_message);
    return outcome::finished;
  }
  if (status_dialog_on_screen()) return outcome::dialog_in_use;

  shown_status shown;
  if (!answered(read_status(shown))) return outcome::unanswered;
  judge(kept().picture, shown.picture);
  judge(kept().bottom, shown.bottom);
  judge(kept().top, shown.top);
  const bool landed =
      keeper.wanted.kind == request_kind::track ? publish_track(shown) : publish_users_status(shown);
  return landed ? outcome::finished : outcome::unanswered;
}

void try_again();

// Rule 6: what did not land waits for the timer. The record says whether a put-back is still owed,
// also when there is no timer to do it (at the quit hook, or when switching off).
void settle(outcome result, bool may_retry) {
  kept().put_back_pending = result != outcome::finished && keeper.wanted.kind == request_kind::users_status;
  if (result == outcome::finished || !may_retry) {
    keeper.wanted = request();
    return;
  }
  schedule_retry(result == outcome::dialog_in_use ? dialog_check_ms : retry_after_ms, try_again);
}

void try_again() {
  if (keeper.quit || keeper.wanted.kind == request_kind::none) return;
  settle(try_request(), true);
}

void ask(const request &wanted, bool may_retry = true) {
  cancel_retry();
  keeper.wanted = wanted;
  settle(try_request(), may_retry);
}

request users_status_request(put_back_reason reason) {
  request wanted;
  wanted.kind = request_kind::users_status;
  wanted.reason = reason;
  return wanted;
}

}  // namespace

void show_track(const track_status &track) {
  if (keeper.quit) return;
  request wanted;
  wanted.kind = request_kind::track;
  wanted.track = track;
  ask(wanted);
}

void put_users_status_back(put_back_reason reason) {
  if (keeper.quit) return;
  if (reason == put_back_reason::another_track_follows) {
    // Rule 6: the next track, when it comes in time, replaces this request and its timer.
    cancel_retry();
    keeper.wanted = users_status_request(reason);
    schedule_retry(next_track_wait_ms, try_again);
    return;
  }
  ask(users_status_request(reason));
}

void meet_messenger() {
  if (keeper.quit) return;
  if (kept().anything_to_put_back()) {
    put_users_status_back(put_back_reason::plain);
  } else {
    find_messenger();
  }
}

void finish_before_quit() {
  cancel_retry();
  if (!keeper.quit && cfg_enabled &&
      (kept().anything_to_put_back() || keeper.wanted.kind != request_kind::none)) {
    ask(users_status_request(put_back_reason::plain), false);
  }
  keeper.wanted = request();
  keeper.quit = true;
  reset_messenger_windows();
}

void finish_before_switch_off() {
  if (keeper.quit) return;
  ask(users_status_request(put_back_reason::plain), false);
  reset_messenger_windows();
}

bool keeper_takes_requests() { return !keeper.quit; }

void reset_status_keeper() {
  cancel_retry();
  keeper = keeper_state();
  reset_messenger_windows();
}
