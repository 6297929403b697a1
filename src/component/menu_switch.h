#pragma once

#include "boundary/boundary.h"

// "Enable Tunesignal" in the host's View menu: switches the whole component on and off, with a
// check mark while it is on. Switching off puts the user's messenger status back.
class menu_switch : public mainmenu_commands {
 public:
  static constexpr GUID command_guid = {
      0xC10D046C, 0xA6BE, 0x4F15, {0x95, 0x77, 0xF3, 0x10, 0x7C, 0x4B, 0xA0, 0xBC}};
  static constexpr GUID parent_guid = {
      0xF8BE5604, 0x165F, 0x4BB9, {0xB6, 0xA9, 0x15, 0xE5, 0x5E, 0x0E, 0x0D, 0x3A}};
  static constexpr t_uint32 sort_priority = 0x80000000u;
  static constexpr t_uint32 checked_flag = 2;

  t_uint32 get_command_count() override { return 1; }
  GUID *get_command(GUID *result, t_uint32 index) override;
  void get_name(t_uint32 index, pfc::string_base &out) override;
  bool get_description(t_uint32 index, pfc::string_base &out) override;
  GUID *get_parent(GUID *result) override {
    *result = parent_guid;
    return result;
  }
  t_uint32 get_sort_priority() override { return sort_priority; }
  bool get_display(t_uint32 index, pfc::string_base &text, t_uint32 &flags) override;
  void execute(t_uint32 index, service_base *by_value) override;
};
