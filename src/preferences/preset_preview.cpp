#include "preferences/preset_preview.h"

#include "announce/title_format.h"
#include "support/string8.h"
#include "support/wide_text.h"

namespace {

// An empty preview would leave the user guessing between a broken script, nothing to format and a
// script that gives nothing for this track.
const pfc::wide_char *why_empty(const pfc::wide_string &script, bool formatted) {
  if (formatted) return L"(the script gives an empty text for this track)";
  // Formatting failed without saying why: either the script or the missing track.
  if (!script_compiles(script.c_str())) return L"(the script does not compile)";
  return L"(nothing plays and no playlist entry is focused)";
}

}  // namespace

pfc::wide_string preview_of(const pfc::wide_string &script) {
  pfc::string8 text;
  const bool formatted = format_preview(script.c_str(), text);
  if (text.length() == 0) return pfc::wide_string(why_empty(script, formatted));
  return pfc::wide_string(pfc::wide_text_from_utf8(text.text()).get());
}
