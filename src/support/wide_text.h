#pragma once

#include "sizes.h"
#include "wide_char.h"

// Short-lived converters around one window-system call: build, read get(), let go. Each counts,
// allocates its result once at the exact size, then writes.
namespace pfc {

class wide_text_from_utf8 {
 public:
  explicit wide_text_from_utf8(const char *utf8);
  ~wide_text_from_utf8();
  wide_text_from_utf8(const wide_text_from_utf8 &) = delete;
  wide_text_from_utf8 &operator=(const wide_text_from_utf8 &) = delete;

  const wide_char *get() const;
  t_size units() const { return count_; }  // terminator included

 private:
  wide_char *buffer_ = nullptr;
  t_size count_ = 0;
  t_size capacity_ = 0;
};

class utf8_text_from_wide {
 public:
  explicit utf8_text_from_wide(const wide_char *wide, t_size unit_limit = infinite_size);
  ~utf8_text_from_wide();
  utf8_text_from_wide(const utf8_text_from_wide &) = delete;
  utf8_text_from_wide &operator=(const utf8_text_from_wide &) = delete;

  const char *get() const;
  t_size bytes() const { return count_; }  // terminator included

 private:
  char *buffer_ = nullptr;
  t_size count_ = 0;
  t_size capacity_ = 0;
};

}  // namespace pfc
