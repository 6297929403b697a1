#include "component/menu_switch.h"

#include "announce/announcement.h"
#include "announce/status_keeper.h"
#include "host_access/error_barrier.h"
#include "host_access/host_access.h"
#include "host_access/host_ref.h"
#include "settings/config_variables.h"

GUID *menu_switch::get_command(GUID *result, t_uint32 index) {
  *result = index == 0 ? command_guid : GUID{};
  return result;
}

void menu_switch::get_name(t_uint32 index, pfc::string_base &out) {
  if (index == 0) out.assign("Enable Tunesignal");
}

bool menu_switch::get_description(t_uint32 index, pfc::string_base &out) {
  if (index != 0) return false;
  out.assign("Activates Tunesignal support");
  return true;
}

bool menu_switch::get_display(t_uint32 index, pfc::string_base &text, t_uint32 &flags) {
  flags = 0;
  if (index == 0 && cfg_enabled) flags |= checked_flag;
  get_name(index, text);
  return true;
}

namespace {

// The status first. Should putting it back not land, the stored record still names what is on
// display, and the component puts it back when it meets the messenger again.
void switch_off() {
  finish_before_switch_off();
  cfg_enabled = false;
}

// A track that plays is shown at once.
void switch_on() {
  cfg_enabled = true;
  if (track_is_playing()) {
    announce_playing_track();
  } else {
    meet_messenger();
  }
}

}  // namespace

void menu_switch::execute(t_uint32 index, service_base *by_value) {
  host_ref<service_base> release(by_value);
  if (index != 0 || !check_main_thread()) return;
  if (cfg_enabled) {
    run_contained("switching Tunesignal off", "it stays on; choose the menu item again to switch it off", switch_off);
  } else {
    run_contained("switching Tunesignal on", "the next track is announced when it is on", switch_on);
  }
}
