#include "utf8_codec.h"

namespace pfc {

namespace {

constexpr std::uint32_t highest_code_point = 0x10FFFF;
constexpr std::uint32_t first_supplementary = 0x10000;

t_size sequence_length(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  if ((lead & 0xFC) == 0xF8) return 5;
  if ((lead & 0xFE) == 0xFC) return 6;
  return 0;
}

// The smallest value that needs a sequence of each length; anything below is an overlong form,
// which would let one character hide behind several spellings.
std::uint32_t smallest_value_of_length(t_size length) {
  static const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000, 0x200000, 0x4000000};
  return smallest[length];
}

bool is_surrogate_pair(std::uint32_t high, std::uint32_t low) {
  return (high & 0xFC00) == 0xD800 && (low & 0xFC00) == 0xDC00;
}

// One step of the UTF-16 walk shared by the counting and the writing pass: the code point at
// position i and the units it takes, or a step of 0 at the end of the text.
struct utf16_step {
  std::uint32_t code_point;
  t_size units;
};

utf16_step next_utf16_char(const wide_char *text, t_size i, t_size unit_limit) {
  std::uint32_t unit = static_cast<std::uint16_t>(text[i]);
  if (unit_limit - i == 1) return {unit, unit == 0 ? 0u : 1u};
  if (unit == 0) return {0, 0};
  const std::uint32_t next = static_cast<std::uint16_t>(text[i + 1]);
  if (is_surrogate_pair(unit, next)) {
    return {(((unit & 0x3FF) << 10) | (next & 0x3FF)) + first_supplementary, 2};
  }
  return {unit, 1};
}

}  // namespace

t_size decode_utf8_char(const char *text, std::uint32_t &code_point) {
  // Continuation bytes are checked one at a time, so the terminator stops the walk and no byte
  // past it is read.
  return decode_utf8_char(6, text, code_point);
}

t_size decode_utf8_char(t_size limit, const char *text, std::uint32_t &code_point) {
  code_point = 0;
  if (limit == 0) return 0;
  if (limit > 6) limit = 6;
  const auto *bytes = reinterpret_cast<const unsigned char *>(text);
  const unsigned char lead = bytes[0];
  if (lead < 0x80) {
    code_point = lead;
    return lead == 0 ? 0 : 1;
  }
  const t_size length = sequence_length(lead);
  if (length == 0 || length > limit) return 0;
  if (length == 2 && (lead & 0x1E) == 0) return 0;
  std::uint32_t value = lead & (0xFFu >> (length + 1));
  for (t_size k = 1; k < length; ++k) {
    const unsigned char c = bytes[k];
    if ((c & 0xC0) != 0x80) return 0;
    value = (value << 6) | (c & 0x3F);
  }
  if (value < smallest_value_of_length(length)) return 0;
  code_point = value;
  return length;
}

t_size encode_utf8_char(std::uint32_t code_point, char *out) {
  t_size length;
  if (code_point < 0x80) {
    length = 1;
  } else if (code_point < 0x800) {
    length = 2;
  } else if (code_point < 0x10000) {
    length = 3;
  } else if (code_point < 0x200000) {
    length = 4;
  } else if (code_point < 0x4000000) {
    length = 5;
  } else if (code_point <= 0x7FFFFFFF) {
    length = 6;
  } else {
    return 0;
  }
  if (out != nullptr) {
    static const unsigned char lead_prefix[] = {0, 0x00, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC};
    for (t_size k = length - 1; k > 0; --k) {
      out[k] = static_cast<char>(0x80 | (code_point & 0x3F));
      code_point >>= 6;
    }
    out[0] = static_cast<char>(lead_prefix[length] | code_point);
  }
  return length;
}

t_size utf16_units_for_utf8(const char *text, t_size limit) {
  t_size units = 1;
  t_size consumed = 0;
  while (consumed < limit) {
    std::uint32_t code_point;
    const t_size n = decode_utf8_char(limit - consumed, text + consumed, code_point);
    if (n == 0 || code_point == 0) break;
    units += (code_point >= first_supplementary && code_point <= highest_code_point) ? 2 : 1;
    consumed += n;
  }
  return units;
}

t_size convert_utf8_to_utf16(wide_char *out, const char *text) {
  t_size written = 0;
  for (;;) {
    std::uint32_t code_point;
    const t_size n = decode_utf8_char(text, code_point);
    if (n == 0 || code_point == 0) break;
    if (code_point < first_supplementary) {
      out[written++] = static_cast<wide_char>(code_point);
    } else if (code_point <= highest_code_point) {
      const std::uint32_t offset = code_point - first_supplementary;
      out[written++] = static_cast<wide_char>(0xD800 | ((offset >> 10) & 0x3FF));
      out[written++] = static_cast<wide_char>(0xDC00 | (code_point & 0x3FF));
    } else {
      out[written++] = static_cast<wide_char>('?');
    }
    text += n;
  }
  out[written] = 0;
  return written;
}

t_size utf8_bytes_for_utf16(const wide_char *text, t_size unit_limit) {
  t_size bytes = 1;
  t_size i = 0;
  while (i < unit_limit) {
    const utf16_step step = next_utf16_char(text, i, unit_limit);
    if (step.units == 0 || step.code_point == 0) break;
    const t_size length = encode_utf8_char(step.code_point);
    if (length == 0) break;
    bytes += length;
    i += step.units;
  }
  return bytes;
}

t_size convert_utf16_to_utf8(char *out, t_size out_size, const wide_char *text, t_size unit_limit) {
  t_size written = 0;
  t_size i = 0;
  while (written < out_size && i < unit_limit) {
    const utf16_step step = next_utf16_char(text, i, unit_limit);
    if (step.units == 0 || step.code_point == 0) break;
    i += step.units;
    char encoded[6];
    t_size length = encode_utf8_char(step.code_point, encoded);
    if (length > out_size - written) length = out_size - written;
    for (t_size k = 0; k < length; ++k) out[written + k] = encoded[k];
    written += length;
  }
  if (out_size == 0) return 0;
  const t_size terminator = written < out_size - 1 ? written : out_size - 1;
  out[terminator] = 0;
  return terminator;
}

}  // namespace pfc
