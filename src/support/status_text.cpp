#include "status_text.h"

#include <cstdint>

namespace pfc {

namespace {

struct code_range {
  std::uint32_t first;
  std::uint32_t last;
};

// Code points that extend the character before them rather than start one: the combining marks of
// the common scripts, joiners, variation selectors, emoji modifiers and tags. A small table of its
// own, in ascending order; a rare mark missing here costs only a cut one mark too late.
constexpr code_range extenders[] = {
    {0x0300, 0x036F},   {0x0483, 0x0489},  {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2},
    {0x05C4, 0x05C5},   {0x05C7, 0x05C7},  {0x0610, 0x061A}, {0x064B, 0x065F}, {0x0670, 0x0670},
    {0x06D6, 0x06DC},   {0x06DF, 0x06E4},  {0x06E7, 0x06E8}, {0x06EA, 0x06ED}, {0x0900, 0x0903},
    {0x093A, 0x094F},   {0x0951, 0x0957},  {0x0962, 0x0963}, {0x0E31, 0x0E31}, {0x0E34, 0x0E3A},
    {0x0E47, 0x0E4E},   {0x1AB0, 0x1AFF},  {0x1DC0, 0x1DFF}, {0x200C, 0x200D}, {0x20D0, 0x20FF},
    {0x302A, 0x302F},   {0x3099, 0x309A},  {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}, {0x1F3FB, 0x1F3FF},
    {0xE0020, 0xE007F}, {0xE0100, 0xE01EF}};

constexpr wide_char zero_width_joiner = 0x200D;

bool is_high_surrogate(wide_char unit) { return (unit & 0xFC00) == 0xD800; }
bool is_low_surrogate(wide_char unit) { return (unit & 0xFC00) == 0xDC00; }

bool extends_previous(std::uint32_t code_point) {
  for (const code_range &range : extenders) {
    if (code_point < range.first) return false;
    if (code_point <= range.last) return true;
  }
  return false;
}

// The code point that starts at `at`; a high surrogate whose partner lies beyond `length` stands
// for itself.
std::uint32_t code_point_at(const wide_char *text, t_size length, t_size at) {
  const wide_char unit = text[at];
  if (is_high_surrogate(unit) && at + 1 < length && is_low_surrogate(text[at + 1])) {
    return 0x10000 + ((static_cast<std::uint32_t>(unit) - 0xD800) << 10) + (text[at + 1] - 0xDC00);
  }
  return unit;
}

// True when a cut before `at` would leave part of a character on each side.
bool splits_character(const wide_char *text, t_size length, t_size at) {
  if (is_low_surrogate(text[at])) return true;
  if (text[at - 1] == zero_width_joiner) return true;
  return extends_previous(code_point_at(text, length, at));
}

}  // namespace

void make_one_line(wide_string &text) {
  const wide_char *units = text.c_str();
  wide_string line;
  wide_char *out = line.buffer_for(text.length());
  t_size kept = 0;
  for (t_size i = 0; i < text.length(); ++i) {
    const wide_char unit = units[i];
    if (unit == '\r' && i + 1 < text.length() && units[i + 1] == '\n') continue;
    if (unit == '\r' || unit == '\n' || unit == '\t' || unit == 0x2028 || unit == 0x2029) {
      out[kept++] = ' ';
    } else if (unit >= 0x20 && (unit < 0x7F || unit > 0x9F)) {
      out[kept++] = unit;
    }
  }
  line.set_length(kept);
  text.swap(line);
}

bool is_blank(const wide_string &text) {
  for (t_size i = 0; i < text.length(); ++i) {
    if (text.c_str()[i] != ' ') return false;
  }
  return true;
}

t_size whole_character_cut(const wide_char *text, t_size length, t_size limit) {
  if (length <= limit) return length;
  t_size cut = limit;
  while (cut > 0 && splits_character(text, length, cut)) --cut;
  if (cut > 0 || limit == 0) return cut;
  // One character longer than the limit, a letter under a pile of marks: it is kept up to the
  // limit's code point boundary rather than lost whole.
  return is_low_surrogate(text[limit]) && is_high_surrogate(text[limit - 1]) ? limit - 1 : limit;
}

}  // namespace pfc
