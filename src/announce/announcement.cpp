#include "announce/announcement.h"

#include "announce/host_ref.h"
#include "announce/title_format.h"
#include "host/host_access.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"
#include "settings/config_variables.h"
#include "support/string8.h"
#include "support/wide_text.h"

bool status_saved = false;
std::int32_t stop_picture = 0;

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

// A saving that finds no controls would capture empty texts and picture 0, and a later restore
// would write them over the user's real status; so it is not made and does not count.
bool save_current_status() {
  if (!status_controls_found()) return true;
  if (!answered(save_status())) return false;
  status_saved = true;
  return true;
}

bool rediscover() {
  reset_messenger_windows();
  return answered(find_messenger_windows());
}

// Picture, bottom text, top text, then the apply click; the first message left unanswered ends it.
void send_status(std::int32_t picture, LPARAM picture_l_param, const wchar_t *bottom, const wchar_t *top) {
  if (!answered(select_picture(picture, picture_l_param))) return;
  if (!answered(write_text(messenger_windows.bottom_edit, bottom))) return;
  if (!answered(write_text(messenger_windows.top_edit, top))) return;
  answered(apply_status());
}

// The picture message's lParam: the saved index itself, or the music picture's in the music
// variant; read only after a saving made here.
enum class restore_variant { saved_picture, music_picture };

void restore(restore_variant variant) {
  if (!status_saved) {
    if (!rediscover() || !save_current_status()) return;
    // With nothing saved there is nothing of the user's to put back.
    if (!status_saved) return;
  }
  const LPARAM picture_l_param =
      variant == restore_variant::music_picture ? music_picture : saved_status.saved_picture;
  send_status(saved_status.saved_picture, picture_l_param, saved_status.saved_bottom_text,
              saved_status.saved_top_text);
}

}  // namespace

void announce_track(track *by_value) {
  host_ref<track> track_handle(by_value);

  if (!rediscover()) return;
  if (!is_messenger_running()) {
    console_print(not_running_message);
    return;
  }
  if (cfg_keep_status_picture || !status_saved) {
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
  const pfc::wide_text_from_utf8 bottom_wide(bottom_text.text());
  pfc::string8 top_text;
  format_now_playing(track_handle.copy(), cfg_top_text.text(), top_text);
  const pfc::wide_text_from_utf8 top_wide(top_text.text());

  const std::int32_t picture = cfg_keep_status_picture ? saved_status.saved_picture : music_picture;
  const wchar_t *top = cfg_keep_first_edit ? saved_status.saved_top_text : top_wide.get();
  send_status(picture, 0, bottom_wide.get(), top);
}

void report_messenger_not_responding() { console_print("tunesignal: QIP is not responding"); }

void restore_status() { restore(restore_variant::saved_picture); }

void restore_status_music() { restore(restore_variant::music_picture); }
