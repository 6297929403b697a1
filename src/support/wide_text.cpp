#include "wide_text.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "utf8_codec.h"

namespace pfc {

template <typename Char>
converted_text<Char>::~converted_text() {
  std::free(buffer_);
}

template <typename Char>
Char *converted_text<Char>::allocate(t_size count) {
  buffer_ = static_cast<Char *>(std::malloc(checked_multiply(count, sizeof(Char))));
  if (buffer_ == nullptr) throw std::bad_alloc();
  count_ = count;
  return buffer_;
}

template class converted_text<wide_char>;
template class converted_text<char>;

wide_text_from_utf8::wide_text_from_utf8(const char *utf8) {
  if (utf8 == nullptr) utf8 = "";
  // Both passes stop at the terminator; finding it once lets them walk the text a word at a time.
  const t_size size = static_cast<t_size>(std::strlen(utf8));
  convert_utf8_to_utf16_of_size(allocate(utf16_units_for_utf8_of_size(utf8, size)), utf8, size);
}

utf8_text_from_wide::utf8_text_from_wide(const wide_char *wide, t_size unit_limit) {
  static const wide_char empty[1] = {0};
  if (wide == nullptr) wide = empty;
  t_size size;
  const t_size bytes = utf8_bytes_for_utf16(wide, unit_limit, size);
  convert_utf16_to_utf8_of_size(allocate(bytes), bytes, wide, size);
}

}  // namespace pfc
