#include "component/menu_switch.h"

#include "announce/announcement.h"
#include "users_status/status_keeper.h"
#include "host_access/error_barrier.h"
#include "host_access/host_access.h"
#include "host_access/host_ref.h"
#include "settings/config_variables.h"

namespace {

constexpr GUID command_guid = {0xC10D046C, 0xA6BE, 0x4F15, {0x95, 0x77, 0xF3, 0x10, 0x7C, 0x4B, 0xA0, 0xBC}};
// The player's View menu.
constexpr GUID view_menu_guid = {
    0xF8BE5604, 0x165F, 0x4BB9, {0xB6, 0xA9, 0x15, 0xE5, 0x5E, 0x0E, 0x0D, 0x3A}};
constexpr t_uint32 sort_priority = 0x80000000u;
constexpr t_uint32 checked_flag = 2;

}  // namespace

GUID *menu_switch::get_command(GUID *result, t_uint32 index) {
  *result = index == 0 ? command_guid : GUID{};
  return result;
}

GUID *menu_switch::get_parent(GUID *result) {
  *result = view_menu_guid;
  return result;
}

t_uint32 menu_switch::get_sort_priority() { return sort_priority; }

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

// Off first, so that a track event that comes while the status goes back (the player's thread
// takes it while a message waits) is not shown. Should putting it back not land now, it is tried
// again until it does, while the component is off as well.
void switch_off() {
  cfg_enabled = false;
  finish_before_switch_off();
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
  if (index != 0) return;
  const bool switching_off = cfg_enabled;
  run_contained(switching_off ? console_texts::switching_off : console_texts::switching_on, [&] {
    if (!check_main_thread()) return;
    if (switching_off) {
      switch_off();
    } else {
      switch_on();
    }
  });
}
