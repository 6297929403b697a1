#include "announce/status_keeper.h"

#include "announce/retry_timer.h"
#include "host_access/host_access.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"
#include "settings/config_variables.h"

namespace {

// How soon a request the messenger left unanswered is tried again, and how often a dialog on the
// screen is looked at until its user closes it.
constexpr unsigned retry_after_ms = 3000;
constexpr unsigned dialog_check_ms = 1000;

constexpr const char *not_responding_message = "tunesignal: QIP is not responding";
constexpr const char *empty_track_message = "tunesignal: Track is empty! What a pity:((";
constexpr const char *incomplete_dialog_message =
    "tunesignal: QIP's status dialog lacks a text field, the picture box or the OK panel; the track is "
    "not shown, and the status stays as it is";

enum class request_kind { none, track, users_status };

struct request {
  request_kind kind = request_kind::none;
  put_back_reason reason = put_back_reason::plain;
  bool note_stop_picture = false;
  track_status track;
};

struct keeper_state {
  request wanted;
  bool quit = false;
  // A message went unanswered, and no probe of this window has been answered since.
  bool silent = false;
  HWND silent_window = nullptr;
  std::int32_t stop_picture = 0;
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

bool publish_track() {
  const track_status &track = keeper.wanted.track;
  if (cfg_music_status_only && keeper.stop_picture != music_picture) return true;
  if (track.empty_track) {
    console_print(empty_track_message);
    return true;
  }
  status_record &k = kept();
  const std::int32_t picture = cfg_keep_status_picture ? k.picture.user : music_picture;
  const pfc::wide_string top = cfg_keep_first_edit ? k.top.user : track.top;
  return write_own(k.picture, picture, [&] { return select_picture(picture); }) &&
         write_own(k.bottom, track.bottom,
                   [&] { return write_text(messenger_windows.bottom_edit, track.bottom.c_str()); }) &&
         write_own(k.top, top, [&] { return write_text(messenger_windows.top_edit, top.c_str()); }) &&
         answered(apply_status());
}

bool publish_users_status() {
  status_record &k = kept();
  const std::int32_t picture = k.picture.user;
  const LPARAM picture_l_param = keeper.wanted.reason == put_back_reason::stop_music ? music_picture : picture;
  return write_users(k.picture, [&] { return select_picture(picture, picture_l_param); }) &&
         write_users(k.bottom, [&] { return write_text(messenger_windows.bottom_edit, k.bottom.user.c_str()); }) &&
         write_users(k.top, [&] { return write_text(messenger_windows.top_edit, k.top.user.c_str()); }) &&
         answered(apply_status());
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
  if (keeper.wanted.note_stop_picture) {
    keeper.stop_picture = shown.picture;
    keeper.wanted.note_stop_picture = false;
  }
  const bool landed =
      keeper.wanted.kind == request_kind::track ? publish_track() : publish_users_status();
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
  wanted.note_stop_picture = reason != put_back_reason::plain;
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

std::int32_t picture_at_last_stop() { return keeper.stop_picture; }

void reset_status_keeper() {
  cancel_retry();
  keeper = keeper_state();
  reset_messenger_windows();
}
