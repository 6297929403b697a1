#include "page_fixture.h"

#include "settings/config_variables.h"
#include "settings_reset.h"

page_test::page_test() { reset_settings(); }

page_test::~page_test() { stop_waiting_for_editor(); }

std::vector<std::wstring> stored_presets() {
  std::vector<std::wstring> presets;
  for (t_size i = 0; i < cfg_presets.count(); ++i)
    presets.push_back(wide_from_utf8(cfg_presets.get_item(i).text()));
  return presets;
}

std::vector<std::string> stored_bytes() {
  std::vector<std::string> presets;
  for (t_size i = 0; i < cfg_presets.count(); ++i) presets.push_back(cfg_presets.get_item(i).text());
  return presets;
}

void store(const std::vector<std::wstring> &presets) {
  cfg_presets.remove_all();
  for (const std::wstring &preset : presets) cfg_presets.add(utf8_from_wide(preset).c_str());
}

std::vector<std::wstring> defaults() {
  return {wide_from_utf8(default_title_script), L"%artist% - %title%", L"%artist% - %title% (%album%)"};
}
