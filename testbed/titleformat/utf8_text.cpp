#include "utf8_text.h"

#include "support/utf8_codec.h"

namespace titleformat {

std::vector<std::uint32_t> code_points(const std::string &utf8) {
  std::vector<std::uint32_t> out;
  const char *p = utf8.c_str();
  for (;;) {
    std::uint32_t c;
    const pfc::t_size n = pfc::decode_utf8_char(p, c);
    if (n == 0) break;
    out.push_back(c);
    p += n;
  }
  return out;
}

std::string to_utf8(const std::vector<std::uint32_t> &code_points) {
  std::string out;
  for (std::uint32_t c : code_points) {
    char bytes[6];
    out.append(bytes, pfc::encode_utf8_char(c, bytes));
  }
  return out;
}

std::uint32_t upper_case(std::uint32_t c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

std::uint32_t lower_case(std::uint32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

}  // namespace titleformat
