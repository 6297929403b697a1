#include "preferences/help_url.h"

#include <cstdint>

namespace {

constexpr const char *help_site = "https://help.foobar2000.org/";

void append_hex(pfc::string_base &out, std::uint32_t value, int digits) {
  constexpr char hex[] = "0123456789ABCDEF";
  char text[8];
  for (int i = digits - 1; i >= 0; --i) {
    text[i] = hex[value & 0xF];
    value >>= 4;
  }
  out.append(text, static_cast<t_size>(digits));
}

}  // namespace

void append_guid_text(pfc::string_base &out, const GUID &guid) {
  append_hex(out, guid.Data1, 8);
  out.append("-");
  append_hex(out, guid.Data2, 4);
  out.append("-");
  append_hex(out, guid.Data3, 4);
  out.append("-");
  for (int i = 0; i < 8; ++i) {
    if (i == 2) out.append("-");
    append_hex(out, guid.Data4[i], 2);
  }
}

void make_help_url(pfc::string_base &out, const char *player_version, const GUID &page,
                   const char *page_name) {
  out.assign("");
  out.append(help_site);
  out.append(player_version);
  out.append("/preferences/");
  append_guid_text(out, page);
  out.append("/");
  out.append(page_name);
}
