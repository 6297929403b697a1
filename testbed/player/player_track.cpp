#include "player_track.h"

#include "support/string_base.h"
#include "title_formatting.h"

bool player_track::edit_tag(const std::string &name, const std::string &text) {
  if (text.empty()) return titleformat::remove_tag(info_, name);
  titleformat::set_tag(info_, name, text);
  return true;
}

bool player_track::format_title(void *, pfc::string_base &out, titleformat_object *script, void *) {
  if (script == nullptr) return false;
  out.assign(compiled_script::of(script).format(info_).c_str());
  return true;
}
