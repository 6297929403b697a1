#include "utf8_text.h"

// The player converts on its own, never with the component's codec: a fault in that codec must
// show as a difference between the two, not the same on both sides.
namespace titleformat {

namespace {

constexpr std::uint32_t replacement = 0xFFFD;

// The length of the sequence a lead byte starts, or 0 for a byte that cannot lead one.
int sequence_length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

// Malformed bytes become U+FFFD one at a time, so the text keeps its length in characters.
std::vector<std::uint32_t> code_points(const std::string &utf8) {
  std::vector<std::uint32_t> out;
  const auto *bytes = reinterpret_cast<const unsigned char *>(utf8.data());
  const std::size_t size = utf8.size();
  std::size_t at = 0;
  while (at < size) {
    const int length = sequence_length(bytes[at]);
    std::uint32_t c = length == 1 ? bytes[at] : bytes[at] & (0x7F >> length);
    bool whole = length != 0 && at + length <= size;
    for (int i = 1; whole && i < length; ++i) {
      whole = (bytes[at + i] & 0xC0) == 0x80;
      c = (c << 6) | (bytes[at + i] & 0x3F);
    }
    static constexpr std::uint32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (whole && (c < shortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) whole = false;
    out.push_back(whole ? c : replacement);
    at += whole ? length : 1;
  }
  return out;
}

std::string to_utf8(const std::vector<std::uint32_t> &code_points) {
  std::string out;
  for (std::uint32_t c : code_points) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = replacement;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
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
