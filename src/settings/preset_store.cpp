#include "settings/preset_store.h"

#include "settings/config_variables.h"
#include <vector>

#include "support/string8.h"
#include "support/wide_text.h"

namespace {

wide_string wide_from_utf8(const char *text) {
  const pfc::wide_text_from_utf8 wide(text);
  return wide_string(wide.get());
}

}  // namespace

preset_texts default_preset_texts() {
  preset_texts presets;
  for (const char *preset : default_presets) presets.push_back(wide_from_utf8(preset));
  return presets;
}

void load_presets(preset_texts &presets) {
  presets.clear();
  for (t_size i = 0; i < cfg_presets.count(); ++i) {
    presets.push_back(wide_from_utf8(cfg_presets.get_item(i).text()));
  }
  if (presets.empty()) presets = default_preset_texts();
}

void store_presets(const preset_texts &presets) {
  // Converted before the stored list is touched, so that a failure leaves it as it was.
  std::vector<pfc::string8> converted;
  converted.reserve(presets.size());
  for (const wide_string &preset : presets) {
    converted.emplace_back(pfc::utf8_text_from_wide(preset.c_str()).get());
  }
  cfg_presets.remove_all();
  for (const pfc::string8 &preset : converted) cfg_presets.add(preset.text());
}
