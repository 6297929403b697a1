// Checks what the two-pass conversions promise on any input: the counting pass and the writing
// pass stop at the same place in both directions, nothing is read or written out of bounds (exact
// buffers under AddressSanitizer), and well-formed text survives the round trip.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "support/utf8_codec.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

// True when the text decodes to its end, to Unicode scalar values only.
bool is_well_formed_utf8(const char *text) {
  for (;;) {
    std::uint32_t cp;
    const pfc::t_size n = pfc::decode_utf8_char(text, cp);
    if (n == 0) return *text == 0;
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    text += n;
  }
}

bool is_well_formed_utf16(const std::vector<pfc::wide_char> &text) {
  for (std::size_t i = 0; text[i] != 0; ++i) {
    const std::uint16_t u = static_cast<std::uint16_t>(text[i]);
    if ((u & 0xFC00) == 0xDC00) return false;
    if ((u & 0xFC00) == 0xD800) {
      if ((static_cast<std::uint16_t>(text[i + 1]) & 0xFC00) != 0xDC00) return false;
      ++i;
    }
  }
  return true;
}

std::vector<pfc::wide_char> utf8_to_utf16(const char *text) {
  const pfc::t_size units = pfc::utf16_units_for_utf8(text, pfc::infinite_size);
  std::vector<pfc::wide_char> out(units);
  const pfc::t_size written = pfc::convert_utf8_to_utf16(out.data(), text);
  require(units == written + 1);
  return out;
}

std::vector<char> utf16_to_utf8(const pfc::wide_char *text, pfc::t_size limit) {
  const pfc::t_size bytes = pfc::utf8_bytes_for_utf16(text, limit);
  std::vector<char> out(bytes);
  const pfc::t_size terminator = pfc::convert_utf16_to_utf8(out.data(), bytes, text, limit);
  require(bytes == terminator + 1);
  return out;
}

void check_utf8_input(const std::uint8_t *data, std::size_t size) {
  std::vector<char> text(data, data + size);
  text.push_back(0);
  const std::vector<pfc::wide_char> wide = utf8_to_utf16(text.data());
  if (is_well_formed_utf8(text.data())) {
    const std::vector<char> back = utf16_to_utf8(wide.data(), pfc::infinite_size);
    require(std::strcmp(back.data(), text.data()) == 0);
  }

  // The byte-limited count reads nothing past its limit: the text is given without terminator.
  if (size > 0) {
    const pfc::t_size limit = data[0] % (size + 1);
    std::vector<char> unterminated(data, data + limit);
    const pfc::t_size units = pfc::utf16_units_for_utf8(unterminated.data(), limit);
    require(units >= 1 && units <= limit + 1);
  }
}

void check_utf16_input(const std::uint8_t *data, std::size_t size) {
  std::vector<pfc::wide_char> wide(size / 2);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<pfc::wide_char>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  // Limited walks over the bare units, no terminator after them.
  if (!wide.empty()) utf16_to_utf8(wide.data(), static_cast<pfc::t_size>(wide.size()));

  wide.push_back(0);
  const std::vector<char> narrow = utf16_to_utf8(wide.data(), pfc::infinite_size);
  if (is_well_formed_utf16(wide)) {
    const std::vector<pfc::wide_char> back = utf8_to_utf16(narrow.data());
    std::size_t n = 0;
    while (wide[n] != 0) ++n;
    require(back.size() == n + 1);
    require(std::memcmp(back.data(), wide.data(), back.size() * sizeof(pfc::wide_char)) == 0);
  }

  // A small output cuts the text, never overruns: the terminator takes the last byte.
  if (size > 0) {
    const pfc::t_size out_size = data[0] % 8;
    std::vector<char> small(out_size);
    const pfc::t_size end =
        pfc::convert_utf16_to_utf8(small.data(), out_size, wide.data(), pfc::infinite_size);
    require(out_size == 0 ? end == 0 : end < out_size && small[end] == 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  check_utf8_input(data, size);
  check_utf16_input(data, size);
  return 0;
}
