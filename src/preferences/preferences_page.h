#pragma once

#include "boundary/boundary.h"

// The component's page in the player's preferences window. It holds no data: every opening of
// the page window reloads from the configuration variables.
class tunesignal_page : public preferences_page {
 public:
  HWND create(HWND parent) override;
  const char *get_name() override;
  GUID *get_guid(GUID *result) override;
  GUID *get_parent_guid(GUID *result) override;
  bool reset_query() override { return false; }
  void reset() override {}
  bool get_help_url(pfc::string_base &out) override;
};
