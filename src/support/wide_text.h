#pragma once

#include "sizes.h"
#include "wide_char.h"

// Short-lived converters around one window-system call: build, read get(), let go. Each counts,
// allocates its result once at the exact size, then writes.
namespace pfc {

// The converted text, owned: `count_` characters, the terminator included.
template <typename Char>
class converted_text {
 public:
  converted_text(const converted_text &) = delete;
  converted_text &operator=(const converted_text &) = delete;

  const Char *get() const {
    static const Char empty[1] = {0};
    return count_ > 0 ? buffer_ : empty;
  }

 protected:
  converted_text() = default;
  ~converted_text();
  // Room for `count` characters; throws std::bad_alloc.
  Char *allocate(t_size count);

  Char *buffer_ = nullptr;
  t_size count_ = 0;
};

class wide_text_from_utf8 : public converted_text<wide_char> {
 public:
  explicit wide_text_from_utf8(const char *utf8);
  t_size units() const { return count_; }  // terminator included
};

class utf8_text_from_wide : public converted_text<char> {
 public:
  explicit utf8_text_from_wide(const wide_char *wide, t_size unit_limit = infinite_size);
  t_size bytes() const { return count_; }  // terminator included
};

}  // namespace pfc
