#pragma once

#include "sizes.h"
#include "wide_char.h"

namespace pfc {

// An owned UTF-16 text with its terminator: the dialogs' working copy of one preset, and the buffer
// a window-system call writes a text into.
class wide_string {
 public:
  wide_string() noexcept = default;
  // Up to the terminator; a null text is the empty text.
  explicit wide_string(const wide_char *text);
  wide_string(const wide_char *text, t_size length);
  wide_string(const wide_string &other);
  wide_string(wide_string &&other) noexcept;
  wide_string &operator=(const wide_string &other);
  ~wide_string();

  const wide_char *c_str() const;  // never null
  t_size length() const { return length_; }
  bool empty() const { return length_ == 0; }

  // Zero-filled room for `length` units and the terminator, for a call that writes the text;
  // set_length() with what it wrote. A size that does not fit in 32 bits throws std::bad_alloc.
  wide_char *buffer_for(t_size length);
  // Cuts the text to `length` units (a longer length leaves it as it is).
  void set_length(t_size length);

  // Drops every occurrence of `unit`, keeping the rest in order.
  void remove_all(wide_char unit);

  void swap(wide_string &other) noexcept;

 private:
  wide_char *buffer_ = nullptr;
  t_size length_ = 0;
};

inline void swap(wide_string &a, wide_string &b) noexcept { a.swap(b); }

// Unit for unit.
bool operator==(const wide_string &a, const wide_string &b);
inline bool operator!=(const wide_string &a, const wide_string &b) { return !(a == b); }

}  // namespace pfc
