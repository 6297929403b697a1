#include "wide_text.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "utf8_codec.h"

namespace pfc {

namespace {

void *allocate_exactly(t_size bytes) {
  void *memory = std::malloc(bytes);
  if (memory == nullptr) throw std::bad_alloc();
  return memory;
}

const wide_char empty_wide_text[1] = {0};

}  // namespace

wide_text_from_utf8::wide_text_from_utf8(const char *utf8) {
  if (utf8 == nullptr) utf8 = "";
  // Both passes stop at the terminator; finding it once lets them walk the text a word at a time.
  const t_size size = static_cast<t_size>(std::strlen(utf8));
  const t_size units = utf16_units_for_utf8_of_size(utf8, size);
  buffer_ = static_cast<wide_char *>(allocate_exactly(checked_multiply(units, sizeof(wide_char))));
  count_ = capacity_ = units;
  convert_utf8_to_utf16_of_size(buffer_, utf8, size);
}

wide_text_from_utf8::~wide_text_from_utf8() { std::free(buffer_); }

const wide_char *wide_text_from_utf8::get() const { return count_ > 0 ? buffer_ : empty_wide_text; }

utf8_text_from_wide::utf8_text_from_wide(const wide_char *wide, t_size unit_limit) {
  if (wide == nullptr) wide = empty_wide_text;
  t_size size;
  const t_size bytes = utf8_bytes_for_utf16(wide, unit_limit, size);
  buffer_ = static_cast<char *>(allocate_exactly(bytes));
  count_ = capacity_ = bytes;
  convert_utf16_to_utf8_of_size(buffer_, bytes, wide, size);
}

utf8_text_from_wide::~utf8_text_from_wide() { std::free(buffer_); }

const char *utf8_text_from_wide::get() const { return count_ > 0 ? buffer_ : ""; }

}  // namespace pfc
