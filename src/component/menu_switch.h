#pragma once

#include "boundary/boundary.h"

// "Enable Tunesignal" in the host's View menu: switches the whole component on and off, with a
// check mark while it is on. Switching off puts the user's messenger status back.
class menu_switch : public mainmenu_commands {
 public:
  t_uint32 get_command_count() override { return 1; }
  GUID *get_command(GUID *result, t_uint32 index) override;
  void get_name(t_uint32 index, pfc::string_base &out) override;
  bool get_description(t_uint32 index, pfc::string_base &out) override;
  GUID *get_parent(GUID *result) override;
  t_uint32 get_sort_priority() override;
  bool get_display(t_uint32 index, pfc::string_base &text, t_uint32 &flags) override;
  void execute(t_uint32 index, service_base *by_value) override;
};
