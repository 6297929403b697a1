#include "preset_texts.h"

#include "settings_reset.h"

namespace {

char *copy(char *out, const char *text) {
  while (*text != 0) *out++ = *text++;
  return out;
}

char *number(char *out, t_size value) {
  char digits[12];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count > 0) *out++ = digits[--count];
  return out;
}

}  // namespace

void preset_text(t_size i, char *out) {
  switch (i % 4) {
    case 0:
      out = number(copy(out, "[%artist% - ]%title% #"), i);
      break;
    case 1:
      out = copy(out,
                 "\xD0\x98\xD1\x81\xD0\xBF\xD0\xBE\xD0\xBB\xD0\xBD\xD0\xB8\xD1\x82\xD0\xB5\xD0\xBB\xD1\x8C: "
                 "%artist%, "
                 "\xD0\xBF\xD0\xB5\xD1\x81\xD0\xBD\xD1\x8F: %title% (");
      out = copy(number(out, i), ")");
      break;
    case 2:
      out = number(copy(out, "%artist% - [%album% - ]%title% [%length%] "), i);
      break;
    default:
      out = number(copy(out,
                        "[%artist% - ]$if(%album%,'['%album% $if(%tracknumber%,'#'%tracknumber%,)'] ',)"
                        "$if(%title%,%title%,%_filename%) v"),
                   i);
  }
  *out = 0;
}

void fill_presets(t_size count) {
  reset_settings();
  char text[160];
  for (t_size i = 0; i < count; ++i) {
    preset_text(i, text);
    cfg_presets.add(text);
  }
}
