#pragma once

#include "boundary/boundary.h"

// The component's page in the player's preferences window. It holds no data: every opening of
// the page window reloads from the configuration variables.
class tunesignal_page : public preferences_page {
 public:
  static constexpr GUID page_guid = {
      0x18651C3E, 0xF988, 0x4EFB, {0x96, 0x47, 0x53, 0xB0, 0x28, 0xCC, 0xDA, 0xCC}};
  // The player's page under which this one is listed.
  static constexpr GUID parent_page_guid = {
      0x627C0767, 0x0793, 0x44F8, {0x80, 0x87, 0xBE, 0x49, 0x34, 0x31, 0x12, 0x82}};
  static constexpr const char *page_name = "Tunesignal";

  HWND create(HWND parent) override;
  const char *get_name() override { return page_name; }
  GUID *get_guid(GUID *result) override {
    *result = page_guid;
    return result;
  }
  GUID *get_parent_guid(GUID *result) override {
    *result = parent_page_guid;
    return result;
  }
  bool reset_query() override { return false; }
  void reset() override {}
  bool get_help_url(pfc::string_base &out) override;
};
