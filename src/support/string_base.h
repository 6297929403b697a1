#pragma once

#include "sizes.h"

namespace pfc {

// The string interfaces are shared with the host, which writes into our strings and hands us its
// own: the operations and their order are part of the binary contract. No virtual destructor, as
// in the host's declaration; objects are always destroyed as their concrete type.
class string_receiver {
 public:
  virtual void append(const char *text, t_size limit = infinite_size) = 0;

 protected:
  ~string_receiver() = default;
};

class string_base : public string_receiver {
 public:
  virtual const char *text() const = 0;
  virtual void assign(const char *text, t_size limit = infinite_size) = 0;
  virtual void shorten(t_size length) = 0;
  virtual t_size length() const = 0;
  // A zero-filled buffer of at least n + 1 bytes; the caller writes at most n bytes and a
  // terminator, then calls end_write, which brings the length up to date.
  virtual char *begin_write(t_size n) = 0;
  virtual void end_write() = 0;

 protected:
  ~string_base() = default;
};

}  // namespace pfc
