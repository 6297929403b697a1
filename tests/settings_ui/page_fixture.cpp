#include "page_fixture.h"

#include "settings/config_variables.h"
#include "support/wide_text.h"

page_test::page_test() {
  cfg_presets.remove_all();
  cfg_active_script.assign(default_title_script);
  cfg_top_text.assign("Now Playing:");
  cfg_music_status_only = false;
  cfg_keep_status_picture = false;
  cfg_keep_first_edit = false;
}

page_test::~page_test() { stop_waiting_for_editor(); }

std::wstring wide(const char *text) { return pfc::wide_text_from_utf8(text).get(); }

std::string utf8(const std::wstring &text) { return pfc::utf8_text_from_wide(text.c_str()).get(); }

std::vector<std::wstring> stored_presets() {
  std::vector<std::wstring> presets;
  for (t_size i = 0; i < cfg_presets.count(); ++i) presets.push_back(wide(cfg_presets.get_item(i).text()));
  return presets;
}

void store(const std::vector<std::wstring> &presets) {
  cfg_presets.remove_all();
  for (const std::wstring &preset : presets) cfg_presets.add(utf8(preset).c_str());
}

std::vector<std::wstring> defaults() {
  return {wide(default_title_script), L"%artist% - %title%", L"%artist% - %title% (%album%)"};
}
