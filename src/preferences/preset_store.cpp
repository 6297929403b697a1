#include "preferences/preset_store.h"

#include "settings/config_variables.h"
#include "support/string8.h"
#include "support/wide_text.h"

namespace {

pfc::wide_string wide_from_utf8(const char *text) {
  const pfc::wide_text_from_utf8 wide(text);
  return pfc::wide_string(wide.get());
}

}  // namespace

void add_default_presets(preset_texts &presets) {
  for (const char *preset : default_presets) presets.add(wide_from_utf8(preset));
}

void load_presets(preset_texts &presets) {
  presets.remove_all();
  for (t_size i = 0; i < cfg_presets.count(); ++i) {
    presets.add(wide_from_utf8(cfg_presets.get_item(i).text()));
  }
  if (presets.count() == 0) add_default_presets(presets);
}

void store_presets(const preset_texts &presets) {
  // Converted before the stored list is touched, so that a failure leaves it as it was.
  pfc::list_t<pfc::string8> converted;
  for (t_size i = 0; i < presets.count(); ++i) {
    converted.add(pfc::string8(pfc::utf8_text_from_wide(presets[i].c_str()).get()));
  }
  cfg_presets.remove_all();
  for (t_size i = 0; i < converted.count(); ++i) cfg_presets.add(converted[i].text());
}
