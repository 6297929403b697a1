#include "preferences/preset_store.h"

#include "settings/config_variables.h"
#include "support/string8.h"
#include "support/wide_text.h"

namespace {

void add_preset(preset_list &presets, const char *utf8, t_size stored) {
  const pfc::wide_text_from_utf8 wide(utf8);
  listed_preset preset;
  preset.text = pfc::wide_string(wide.get());
  preset.stored = stored;
  presets.add(preset);
}

}  // namespace

void add_default_presets(preset_list &presets) {
  for (const char *preset : default_presets) add_preset(presets, preset, not_stored);
}

void load_presets(preset_list &presets) {
  presets.remove_all();
  for (t_size i = 0; i < cfg_presets.count(); ++i) add_preset(presets, cfg_presets.get_item(i).text(), i);
  if (presets.count() == 0) add_default_presets(presets);
}

bool is_as_loaded(const preset_list &presets) {
  preset_list loaded;
  load_presets(loaded);
  if (presets.count() != loaded.count()) return false;
  for (t_size i = 0; i < presets.count(); ++i) {
    if (presets[i].stored != loaded[i].stored || presets[i].text != loaded[i].text) return false;
  }
  return true;
}

void store_presets(const preset_list &presets) {
  // Gathered before the stored list is touched, so that a failure leaves it as it was.
  pfc::list_t<pfc::string8> texts;
  for (t_size i = 0; i < presets.count(); ++i) {
    const listed_preset &preset = presets[i];
    if (preset.stored < cfg_presets.count()) {
      texts.add(cfg_presets.get_item(preset.stored));
    } else {
      texts.add(pfc::string8(pfc::utf8_text_from_wide(preset.text.c_str()).get()));
    }
  }
  cfg_presets.remove_all();
  for (t_size i = 0; i < texts.count(); ++i) cfg_presets.add(texts[i].text());
}
