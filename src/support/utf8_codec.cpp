#include "utf8_codec.h"

#include <cstddef>
#include <cstring>

namespace pfc {

namespace {

constexpr std::uint32_t highest_code_point = 0x10FFFF;
constexpr std::uint32_t first_supplementary = 0x10000;

// ASCII runs are checked a machine word at a time.
using word = std::uintptr_t;
constexpr word low_bits = static_cast<word>(~static_cast<word>(0)) / 0xFF;
constexpr word top_bits = low_bits * 0x80;

// True when every byte of the word is from 1 to 0x7F: with no top bit set, subtracting 1 from each
// byte sets a top bit exactly where a byte was 0.
inline bool is_ascii_word(word w) { return ((w | (w - low_bits)) & top_bits) == 0; }

inline word word_at(const unsigned char *bytes) {
  word w;
  std::memcpy(&w, bytes, sizeof w);
  return w;
}

// The same for UTF-16 units from 1 to 0x7F, several to a word.
constexpr t_size units_per_word = sizeof(word) / sizeof(wide_char);
constexpr word low_units = static_cast<word>(~static_cast<word>(0)) / 0xFFFF;
constexpr word high_unit_bits = low_units * 0xFF80;

inline bool is_ascii_units_word(word w) { return ((w | (w - low_units)) & high_unit_bits) == 0; }

inline word units_word_at(const wide_char *units) {
  word w;
  std::memcpy(&w, units, sizeof w);
  return w;
}

// The smallest value that needs a sequence of each length; anything below is an overlong form,
// which would let one character hide behind several spellings.
constexpr std::uint32_t smallest_value_of_length[] = {0, 0, 0x80, 0x800, 0x10000, 0x200000, 0x4000000};

// A sequence of a length known from its lead byte, with all its bytes within reach. One copy per
// length, so that each compiles to straight code.
template <t_size length>
inline t_size decode_sequence(const unsigned char *bytes, std::uint32_t &code_point) {
  std::uint32_t value = bytes[0] & (0xFFu >> (length + 1));
  for (t_size k = 1; k < length; ++k) {
    const unsigned char c = bytes[k];
    if ((c & 0xC0) != 0x80) return 0;
    value = (value << 6) | (c & 0x3F);
  }
  if (value < smallest_value_of_length[length]) return 0;
  code_point = value;
  return length;
}

// The decoder behind every walk over UTF-8: bytes consumed, 0 at the end of the text or on a
// malformed sequence (with code point 0). `limit` is from 1 to 6.
inline t_size decode_at(t_size limit, const unsigned char *bytes, std::uint32_t &code_point) {
  const unsigned char lead = bytes[0];
  if (lead < 0x80) {
    code_point = lead;
    return lead == 0 ? 0 : 1;
  }
  code_point = 0;
  if (lead < 0xC0) return 0;
  if (lead < 0xE0) return limit >= 2 ? decode_sequence<2>(bytes, code_point) : 0;
  if (lead < 0xF0) return limit >= 3 ? decode_sequence<3>(bytes, code_point) : 0;
  if (lead < 0xF8) return limit >= 4 ? decode_sequence<4>(bytes, code_point) : 0;
  if (lead < 0xFC) return limit >= 5 ? decode_sequence<5>(bytes, code_point) : 0;
  if (lead < 0xFE) return limit >= 6 ? decode_sequence<6>(bytes, code_point) : 0;
  return 0;
}

// As decode_at, for a sequence that must end within `size` bytes. Away from the end the limit is
// the constant 6, which spares the length checks.
inline t_size decode_within(const unsigned char *bytes, t_size size, std::uint32_t &code_point) {
  return size >= 6 ? decode_at(6, bytes, code_point) : decode_at(size, bytes, code_point);
}

// The two- and three-byte sequences that make up most text outside ASCII, checked and decoded
// inline with the general decoder's rules (no overlong forms); 0 for anything else, malformed or
// not, which the general decoder then takes. `size` is the bytes left, at least 1.
inline t_size decode_common_sequence(const unsigned char *bytes, t_size size, std::uint32_t &code_point) {
  const std::uint32_t lead = bytes[0];
  if (lead - 0xC2 < 0x1E) {
    if (size < 2) return 0;
    const std::uint32_t c1 = bytes[1];
    if ((c1 & 0xC0) != 0x80) return 0;
    code_point = ((lead & 0x1F) << 6) | (c1 & 0x3F);
    return 2;
  }
  if ((lead & 0xF0) == 0xE0) {
    if (size < 3) return 0;
    const std::uint32_t c1 = bytes[1];
    const std::uint32_t c2 = bytes[2];
    if (((c1 | (c2 << 8)) & 0xC0C0) != 0x8080) return 0;
    code_point = ((lead & 0x0F) << 12) | ((c1 & 0x3F) << 6) | (c2 & 0x3F);
    return code_point >= 0x800 ? 3 : 0;
  }
  return 0;
}

// The length of the sequence decode_common_sequence would take, without its code point: the
// counting pass needs only that. Each of these sequences is one UTF-16 unit.
inline t_size common_sequence_length(const unsigned char *bytes, t_size size) {
  const std::uint32_t lead = bytes[0];
  if (lead - 0xC2 < 0x1E) return size >= 2 && (bytes[1] & 0xC0) == 0x80 ? 2 : 0;
  if ((lead & 0xF0) != 0xE0 || size < 3) return 0;
  const std::uint32_t c1 = bytes[1];
  if (((c1 | (static_cast<std::uint32_t>(bytes[2]) << 8)) & 0xC0C0) != 0x8080) return 0;
  // E0 leads an overlong form below E0 A0.
  return lead != 0xE0 || c1 >= 0xA0 ? 3 : 0;
}

// The next character of a walk over UTF-8 that is not at an ASCII byte.
inline t_size decode_next(const unsigned char *bytes, t_size size, std::uint32_t &code_point) {
  const t_size n = decode_common_sequence(bytes, size, code_point);
  return n != 0 ? n : decode_within(bytes, size, code_point);
}

// Bytes before the first NUL, looking at no more than `limit`.
t_size bytes_before_terminator(const char *text, t_size limit) {
  // A limit of 0 reads nothing, so the text may even be null.
  if (limit == 0) return 0;
  const void *nul = std::memchr(text, 0, limit);
  return nul != nullptr ? static_cast<t_size>(static_cast<const char *>(nul) - text) : limit;
}

inline t_size utf16_units_of(std::uint32_t code_point) {
  return code_point >= first_supplementary && code_point <= highest_code_point ? 2 : 1;
}

bool is_high_surrogate(std::uint32_t unit) { return (unit & 0xFC00) == 0xD800; }
bool is_low_surrogate(std::uint32_t unit) { return (unit & 0xFC00) == 0xDC00; }

// One step of the UTF-16 walk shared by the counting and the writing pass, at a unit that is not
// ASCII: the code point at position i and the units it takes. The last unit under the limit is
// taken alone, even when it is a high surrogate.
struct utf16_step {
  std::uint32_t code_point;
  t_size units;
};

inline utf16_step next_utf16_char(const wide_char *text, t_size i, t_size unit_limit) {
  const std::uint32_t unit = static_cast<std::uint16_t>(text[i]);
  if (is_high_surrogate(unit) && unit_limit - i > 1) {
    const std::uint32_t next = static_cast<std::uint16_t>(text[i + 1]);
    if (is_low_surrogate(next)) return {(((unit & 0x3FF) << 10) | (next & 0x3FF)) + first_supplementary, 2};
  }
  return {unit, 1};
}

inline bool is_ascii_unit(std::uint32_t unit) { return unit < 0x80; }

// Units before the first NUL, looking at no more than `limit`.
t_size units_before_terminator(const wide_char *text, t_size limit) {
  t_size n = 0;
  while (n < limit && text[n] != 0) ++n;
  return n;
}

// encode_utf8_char for the code points UTF-16 can carry (from 0x80 to 0x10FFFF), with one branch
// per length.
inline t_size encode_in_utf16_range(std::uint32_t code_point, char *out) {
  if (code_point < 0x800) {
    out[0] = static_cast<char>(0xC0 | (code_point >> 6));
    out[1] = static_cast<char>(0x80 | (code_point & 0x3F));
    return 2;
  }
  if (code_point < first_supplementary) {
    out[0] = static_cast<char>(0xE0 | (code_point >> 12));
    out[1] = static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (code_point & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (code_point >> 18));
  out[1] = static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (code_point & 0x3F));
  return 4;
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
  return decode_at(limit < 6 ? limit : 6, reinterpret_cast<const unsigned char *>(text), code_point);
}

bool is_whole_utf8(const char *text) {
  std::uint32_t code_point = 0;
  while (*text != 0) {
    const t_size length = decode_utf8_char(text, code_point);
    if (length == 0) return false;
    text += length;
  }
  return true;
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
  // A sequence that would reach past the bytes before the terminator is cut, as the terminator
  // would cut it.
  return utf16_units_for_utf8_of_size(text, bytes_before_terminator(text, limit));
}

t_size utf16_units_for_utf8_of_size(const char *text, t_size size) {
  const auto *bytes = reinterpret_cast<const unsigned char *>(text);
  t_size units = 1;
  t_size i = 0;
  while (i < size) {
    if (bytes[i] < 0x80) {
      if (size - i >= sizeof(word) && is_ascii_word(word_at(bytes + i))) {
        units += sizeof(word);
        i += sizeof(word);
        continue;
      }
      if (bytes[i] == 0) break;
      ++units;
      ++i;
      continue;
    }
    const t_size common = common_sequence_length(bytes + i, size - i);
    if (common != 0) {
      ++units;
      i += common;
      continue;
    }
    std::uint32_t code_point;
    const t_size n = decode_within(bytes + i, size - i, code_point);
    if (n == 0) break;
    units += utf16_units_of(code_point);
    i += n;
  }
  return units;
}

t_size convert_utf8_to_utf16(wide_char *out, const char *text) {
  return convert_utf8_to_utf16_of_size(out, text, static_cast<t_size>(std::strlen(text)));
}

t_size convert_utf8_to_utf16_of_size(wide_char *out, const char *text, t_size size) {
  const auto *bytes = reinterpret_cast<const unsigned char *>(text);
  t_size written = 0;
  t_size i = 0;
  while (i < size) {
    if (bytes[i] < 0x80) {
      if (size - i >= sizeof(word) && is_ascii_word(word_at(bytes + i))) {
        for (t_size k = 0; k < sizeof(word); ++k) out[written + k] = static_cast<wide_char>(bytes[i + k]);
        written += sizeof(word);
        i += sizeof(word);
        continue;
      }
      if (bytes[i] == 0) break;
      out[written++] = static_cast<wide_char>(bytes[i++]);
      continue;
    }
    std::uint32_t code_point;
    const t_size n = decode_next(bytes + i, size - i, code_point);
    if (n == 0) break;
    if (code_point < first_supplementary) {
      out[written++] = static_cast<wide_char>(code_point);
    } else if (code_point <= highest_code_point) {
      const std::uint32_t offset = code_point - first_supplementary;
      out[written++] = static_cast<wide_char>(0xD800 | ((offset >> 10) & 0x3FF));
      out[written++] = static_cast<wide_char>(0xDC00 | (code_point & 0x3FF));
    } else {
      out[written++] = static_cast<wide_char>('?');
    }
    i += n;
  }
  out[written] = 0;
  return written;
}

t_size utf8_bytes_for_utf16(const wide_char *text, t_size unit_limit) {
  t_size units;
  return utf8_bytes_for_utf16(text, unit_limit, units);
}

// One unit at a time: the end of the text is not known yet, and no unit past it may be read. A unit
// takes one, two or three bytes by its value alone; a high surrogate followed by a low one takes
// four for the pair: one more than the high one alone.
t_size utf8_bytes_for_utf16(const wide_char *text, t_size unit_limit, t_size &units) {
  t_size bytes = 1;
  t_size i = 0;
  for (; i < unit_limit; ++i) {
    const std::uint32_t unit = static_cast<std::uint16_t>(text[i]);
    if (unit == 0) break;
    bytes += 1 + (unit >= 0x80) + (unit >= 0x800);
    if (is_high_surrogate(unit) && unit_limit - i > 1 &&
        is_low_surrogate(static_cast<std::uint16_t>(text[i + 1]))) {
      bytes += 1;
      ++i;
    }
  }
  units = i;
  return bytes;
}

// A walk limited to the units before the terminator pairs surrogates exactly as one limited by the
// terminator: a high surrogate last before it is taken alone either way.
t_size convert_utf16_to_utf8(char *out, t_size out_size, const wide_char *text, t_size unit_limit) {
  return convert_utf16_to_utf8_of_size(out, out_size, text, units_before_terminator(text, unit_limit));
}

t_size convert_utf16_to_utf8_of_size(char *out, t_size out_size, const wide_char *text, t_size size) {
  t_size written = 0;
  t_size i = 0;
  while (written < out_size && i < size) {
    const std::uint32_t unit = static_cast<std::uint16_t>(text[i]);
    if (is_ascii_unit(unit)) {
      if (unit == 0) break;
      out[written++] = static_cast<char>(unit);
      ++i;
      while (size - i >= units_per_word && out_size - written >= units_per_word &&
             is_ascii_units_word(units_word_at(text + i))) {
        for (t_size k = 0; k < units_per_word; ++k) out[written + k] = static_cast<char>(text[i + k]);
        written += units_per_word;
        i += units_per_word;
      }
      continue;
    }
    if (out_size - written >= 4) {
      // Outside the surrogates a unit is one character, two or three bytes long. Letters of one
      // script come in runs (a Cyrillic word, a line of CJK), taken in a loop of their own.
      if (unit < 0x800) {
        std::uint32_t next = unit;
        do {
          out[written] = static_cast<char>(0xC0 | (next >> 6));
          out[written + 1] = static_cast<char>(0x80 | (next & 0x3F));
          written += 2;
          ++i;
        } while (i < size && out_size - written >= 2 &&
                 (next = static_cast<std::uint16_t>(text[i])) - 0x80 < 0x780);
        continue;
      }
      if ((unit & 0xF800) != 0xD800) {
        std::uint32_t next = unit;
        do {
          out[written] = static_cast<char>(0xE0 | (next >> 12));
          out[written + 1] = static_cast<char>(0x80 | ((next >> 6) & 0x3F));
          out[written + 2] = static_cast<char>(0x80 | (next & 0x3F));
          written += 3;
          ++i;
        } while (i < size && out_size - written >= 3 &&
                 (next = static_cast<std::uint16_t>(text[i])) >= 0x800 && (next & 0xF800) != 0xD800);
        continue;
      }
    }
    const utf16_step step = next_utf16_char(text, i, size);
    i += step.units;
    if (out_size - written >= 4) {
      written += encode_in_utf16_range(step.code_point, out + written);
      continue;
    }
    // Near the end of the output the character is cut to the room left.
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
