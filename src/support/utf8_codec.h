#pragma once

#include <cstdint>

#include "sizes.h"
#include "wide_char.h"

// The per-character UTF-8 codec and the two-pass conversions built on it. Every conversion counts
// first and writes second; both passes use the same decoder, so they stop at the same place on
// malformed input, which ends the text early and is never an error.
namespace pfc {

// Bytes consumed (0 at the end of the text or on a malformed sequence, with code point 0).
t_size decode_utf8_char(const char *text, std::uint32_t &code_point);
// As above, never reading more than `limit` bytes.
t_size decode_utf8_char(t_size limit, const char *text, std::uint32_t &code_point);

// True when every byte before the terminator belongs to a character the decoder reads: the
// conversions then take the whole text.
bool is_whole_utf8(const char *text);

// Byte count 1 to 6, or 0 above 0x7FFFFFFF; writes into `out` (6 bytes) only when it is given.
t_size encode_utf8_char(std::uint32_t code_point, char *out = nullptr);

// UTF-16 units that convert_utf8_to_utf16 needs, terminator included.
t_size utf16_units_for_utf8(const char *text, t_size limit);
// Units written, terminator not counted.
t_size convert_utf8_to_utf16(wide_char *out, const char *text);

// UTF-8 bytes that convert_utf16_to_utf8 needs, terminator included.
t_size utf8_bytes_for_utf16(const wide_char *text, t_size unit_limit);
// As above, also giving the units before the terminator (or the limit): the walk never stops
// earlier, since every unit converts.
t_size utf8_bytes_for_utf16(const wide_char *text, t_size unit_limit, t_size &units);
// Index at which the terminator was written (nothing is written into an output of size 0).
t_size convert_utf16_to_utf8(char *out, t_size out_size, const wide_char *text, t_size unit_limit);

// Except for the UTF-16 count, the walks above find the end of the text first, so that they can then
// take it a machine word at a time. A caller who already knows where it ends (before `size` bytes or
// units, or at a NUL before that) calls these instead, and the search is not made twice.
t_size utf16_units_for_utf8_of_size(const char *text, t_size size);
t_size convert_utf8_to_utf16_of_size(wide_char *out, const char *text, t_size size);
t_size convert_utf16_to_utf8_of_size(char *out, t_size out_size, const wide_char *text, t_size size);

}  // namespace pfc
