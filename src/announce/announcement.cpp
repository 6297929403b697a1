#include "announce/announcement.h"

#include "host_access/host_ref.h"
#include "announce/title_format.h"
#include "host_access/host_access.h"
#include "messenger/status_text.h"
#include "settings/config_variables.h"
#include "support/string8.h"
#include "support/wide_string.h"
#include "support/wide_text.h"

bool status_saved = false;
std::int32_t stop_picture = 0;
own_status_record own_status = {};

namespace {

constexpr const char *not_running_message = "tunesignal: QIP is not running! ^(";
constexpr const char *empty_track_message = "tunesignal: Track is empty! What a pity:((";

// Reports a messenger that stopped answering; true when the operation may go on.
bool answered(messenger_result result) {
  if (result == messenger_result::completed) return true;
  report_messenger_not_responding();
  return false;
}

bool status_controls_found() {
  return is_valid_window(messenger_windows.bottom_edit) && is_valid_window(messenger_windows.top_edit) &&
         is_valid_window(messenger_windows.status_combo);
}

bool same_text(const wchar_t *a, const wchar_t *b) {
  int i = 0;
  while (a[i] != 0 && a[i] == b[i]) ++i;
  return a[i] == b[i];
}

void copy_text(wchar_t (&to)[saved_text_size], const wchar_t *from) {
  const int length = cut_length(from, saved_text_size - 1);
  for (int i = 0; i < length; ++i) to[i] = from[i];
  to[length] = 0;
}

// Where the messenger still shows what the component published, the user's own value is the one
// saved before; anything else on display is the user's and is kept as it is.
void keep_users_values(const saved_status_record &before) {
  const saved_status_record &ours = own_status.published;
  if (same_text(saved_status.saved_bottom_text, ours.saved_bottom_text)) {
    copy_text(saved_status.saved_bottom_text, before.saved_bottom_text);
  }
  if (same_text(saved_status.saved_top_text, ours.saved_top_text)) {
    copy_text(saved_status.saved_top_text, before.saved_top_text);
  }
  if (saved_status.saved_picture == ours.saved_picture) saved_status.saved_picture = before.saved_picture;
}

// A saving that finds no controls would capture empty texts and picture 0, and a later restore
// would write them over the user's real status; so it is not made and does not count.
bool save_current_status() {
  if (!status_controls_found()) return true;
  const saved_status_record before = saved_status;
  if (!answered(save_status())) return false;
  if (status_saved && own_status.on_display) keep_users_values(before);
  status_saved = true;
  own_status.saved_from = current_messenger_instance();
  return true;
}

// A status saved from another messenger (one that restarted, or a second one) is not this one's
// user's: it is dropped, and this messenger's own is read before anything is written to it.
void forget_another_messengers_status() {
  if (status_saved && own_status.saved_from != current_messenger_instance()) {
    status_saved = false;
    own_status.on_display = false;
  }
}

bool rediscover() {
  reset_messenger_windows();
  return answered(find_messenger_windows());
}

// Picture, bottom text, top text, then the apply click; the first message left unanswered ends it.
bool send_status(std::int32_t picture, LPARAM picture_l_param, const wchar_t *bottom, const wchar_t *top) {
  return answered(select_picture(picture, picture_l_param)) &&
         answered(write_text(messenger_windows.bottom_edit, bottom)) &&
         answered(write_text(messenger_windows.top_edit, top)) && answered(apply_status());
}

// The track's text as it is published: at most published_text_limit units.
pfc::wide_string published_text(const char *utf8) {
  const pfc::wide_text_from_utf8 wide(utf8);
  return pfc::wide_string(wide.get(), static_cast<t_size>(cut_length(wide.get(), published_text_limit)));
}

void remember_published(std::int32_t picture, const wchar_t *bottom, const wchar_t *top) {
  copy_text(own_status.published.saved_bottom_text, bottom);
  copy_text(own_status.published.saved_top_text, top);
  own_status.published.saved_picture = picture;
  own_status.on_display = true;
}

// The picture message's lParam: the saved index itself, or the music picture's in the music
// variant; read only after a saving made here.
enum class restore_variant { saved_picture, music_picture };

void restore(restore_variant variant) {
  // With nothing of the component's on display, the messenger shows the user's own status, perhaps
  // changed since it was saved: that is what is saved, and written back as it is.
  if (!status_saved || !own_status.on_display) {
    if (!rediscover() || !save_current_status()) return;
    // With nothing saved there is nothing of the user's to put back.
    if (!status_saved) return;
  }
  const LPARAM picture_l_param =
      variant == restore_variant::music_picture ? music_picture : saved_status.saved_picture;
  if (send_status(saved_status.saved_picture, picture_l_param, saved_status.saved_bottom_text,
                  saved_status.saved_top_text)) {
    own_status.on_display = false;
  }
}

}  // namespace

void announce_track(track *by_value) {
  host_ref<track> track_handle(by_value);

  if (!rediscover()) return;
  if (!is_messenger_running()) {
    console_print(not_running_message);
    return;
  }
  forget_another_messengers_status();
  // Saved once while the track texts stay on display; afresh after a restore, when the messenger
  // shows the user's status again; before every track when the user's picture is kept.
  if (cfg_keep_status_picture || !status_saved || !own_status.on_display) {
    if (!save_current_status()) return;
  }
  if (cfg_music_status_only && stop_picture != music_picture) return;
  if (!track_handle) {
    console_print(empty_track_message);
    return;
  }

  // Both texts are made before anything is sent; a failed formatting sends what it produced.
  pfc::string8 bottom_text;
  format_now_playing(track_handle.copy(), cfg_active_script.text(), bottom_text);
  const pfc::wide_string bottom = published_text(bottom_text.text());
  pfc::string8 top_text;
  format_now_playing(track_handle.copy(), cfg_top_text.text(), top_text);
  const pfc::wide_string top_formatted = published_text(top_text.text());

  const std::int32_t picture = cfg_keep_status_picture ? saved_status.saved_picture : music_picture;
  const wchar_t *top = cfg_keep_first_edit ? saved_status.saved_top_text : top_formatted.c_str();
  remember_published(picture, bottom.c_str(), top);
  send_status(picture, 0, bottom.c_str(), top);
}

void report_messenger_not_responding() { console_print("tunesignal: QIP is not responding"); }

void restore_status() { restore(restore_variant::saved_picture); }

void restore_status_music() { restore(restore_variant::music_picture); }
