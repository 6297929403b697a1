#pragma once

#include <cstdlib>
#include <new>

#include "support/sizes.h"
#include "no_copy.h"

// A growable run of items on the C runtime's heap, always followed by a zero item, so that text
// kept in it is a terminated string.
template <typename T>
class buffer : private no_copy {
 public:
  buffer() = default;
  ~buffer() { std::free(items_); }

  const T *data() const { return items_ != nullptr ? items_ : &nothing_; }
  T *data() {
    grow(0);
    return items_;
  }
  t_size size() const { return size_; }

  void append(const T *items, t_size count) {
    T *end = grow(count);
    for (t_size i = 0; i < count; ++i) end[i] = items[i];
  }
  void append(T item) { append(&item, 1); }

  // `count` more zero items at the end; returns where they start.
  T *grow(t_size count) {
    reserve(size_ + count);
    T *end = items_ + size_;
    for (t_size i = 0; i <= count; ++i) end[i] = T();
    size_ += count;
    return end;
  }

  void truncate(t_size size) {
    if (size >= size_) return;
    size_ = size;
    items_[size_] = T();
  }

 private:
  // Room for `size` items and the zero after them.
  void reserve(t_size size) {
    if (size < room_) return;
    t_size room = room_ != 0 ? room_ : 16;
    while (room <= size) room *= 2;
    void *grown = std::realloc(items_, room * sizeof(T));
    if (grown == nullptr) throw std::bad_alloc();
    items_ = static_cast<T *>(grown);
    room_ = room;
  }

  static constexpr T nothing_ = T();
  T *items_ = nullptr;
  t_size size_ = 0;
  t_size room_ = 0;
};
