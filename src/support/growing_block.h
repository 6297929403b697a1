#pragma once

#include "sizes.h"

namespace pfc {

// A block of bytes that grows in place: address space is reserved ahead of it, and memory is
// committed only as the block grows into it, a page at a time. A reader may so reserve the size a
// stored record claims, while memory follows the bytes that actually arrive, and the bytes are
// never copied on the way. Growing past the reservation moves the block into a larger one.
class growing_block {
 public:
  growing_block() = default;
  ~growing_block() { release(); }
  growing_block(const growing_block &) = delete;
  growing_block &operator=(const growing_block &) = delete;

  char *data() const { return data_; }

  // Reserves address space for `bytes` (at most reservation_limit of them), unless the block is
  // already that large, carrying what it holds along. Commits nothing. Only a hint: when the
  // address space has no room for it, the block stays as it is and grows by moving as it fills.
  void reserve(t_size bytes);
  // Makes the first `bytes` bytes usable, keeping the first `kept` of those it held.
  void grow_to(t_size bytes, t_size kept);
  // Gives the whole reservation back.
  void release();

  // What a single reservation reaches for: a claimed size beyond it is reserved as it arrives.
  static constexpr t_size reservation_limit = 64u << 20;

 private:
  // Moves the block into a new reservation of `size` bytes (a whole number of reservation units),
  // carrying the first `kept` bytes along.
  void move_to(t_size size, t_size kept);

  char *data_ = nullptr;
  t_size committed_ = 0;
  t_size reserved_ = 0;
};

}  // namespace pfc
