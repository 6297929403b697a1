#include "announce/announcement.h"

#include "announce/status_keeper.h"
#include "announce/title_format.h"
#include "host_access/host_access.h"
#include "host_access/host_ref.h"
#include "messenger/messenger_windows.h"
#include "settings/config_variables.h"
#include "support/status_text.h"
#include "support/string8.h"
#include "support/wide_text.h"

namespace {

constexpr const char *not_running_message = "tunesignal: QIP is not running! ^(";

// The text as it is published: at most status_text_limit units, cut at a whole character.
pfc::wide_string published_text(track *by_value, const char *script) {
  pfc::string8 formatted;
  // A failed formatting publishes what it produced.
  format_now_playing(by_value, script, formatted);
  const pfc::wide_text_from_utf8 wide(formatted.text());
  const t_size length = wide.units() - 1;
  return pfc::wide_string(wide.get(), pfc::whole_character_cut(wide.get(), length, pfc::status_text_limit));
}

}  // namespace

void announce_track(track *by_value) {
  host_ref<track> track_handle(by_value);
  if (!keeper_takes_requests()) return;
  // Nothing is formatted for a messenger that is not there.
  if (!is_messenger_running()) {
    console_print(not_running_message);
    return;
  }
  track_status shown;
  shown.empty_track = !track_handle;
  if (track_handle) {
    // Both texts are made before anything is sent.
    shown.bottom = published_text(track_handle.copy(), cfg_active_script.text());
    shown.top = published_text(track_handle.copy(), cfg_top_text.text());
  }
  show_track(shown);
}
