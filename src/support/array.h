#pragma once

#include <cstdlib>
#include <new>

#include "sizes.h"

namespace pfc {

// Growth policy of item arrays: powers of two, shrinking only when a quarter or less is in use.
struct alloc_fast {
  static t_size allocation_for(t_size allocated, t_size count);
};

// A growable array of items that may be moved bitwise (their fields never point into the item
// itself). Positions below count() hold constructed items; the rest of the allocation is raw.
template <typename T, typename Policy = alloc_fast>
class array_t {
 public:
  array_t() noexcept = default;
  array_t(const array_t &) = delete;
  array_t &operator=(const array_t &) = delete;
  ~array_t() {
    shrink_count(0);
    std::free(items_);
  }

  t_size size() const { return count_; }
  t_size allocated() const { return allocated_; }
  T &operator[](t_size index) { return items_[index]; }
  const T &operator[](t_size index) const { return items_[index]; }
  const T *data() const { return items_; }

  // Copies n items to the end. On a failed allocation the array keeps its items.
  void append(const T *items, t_size n) {
    const t_size start = count_;
    set_size(checked_add(start, n));
    // Through a local pointer: for byte items every store could otherwise change items_ itself.
    T *const to = items_ + start;
    for (t_size i = 0; i < n; ++i) to[i] = items[i];
  }

  // On a failed allocation the array keeps its items.
  void set_size(t_size count) {
    const t_size wanted = Policy::allocation_for(allocated_, count);
    if (wanted > allocated_) {
      reallocate(wanted);
      adjust_count(count);
    } else {
      adjust_count(count);
      if (wanted != allocated_) reallocate_smaller(wanted);
    }
  }

 private:
  void adjust_count(t_size count) {
    if constexpr (noexcept(T())) {
      // Nothing can fail halfway, so the count is set once; kept in a local, it is not reloaded
      // after every store into byte items.
      T *const items = items_;
      for (t_size i = count_; i < count; ++i) new (&items[i]) T();
      if (count_ < count) count_ = count;
    } else {
      while (count_ < count) {
        new (&items_[count_]) T();
        ++count_;
      }
    }
    shrink_count(count);
  }

  void shrink_count(t_size count) {
    while (count_ > count) {
      --count_;
      items_[count_].T::~T();  // items are always of exactly type T
    }
  }

  void reallocate(t_size allocation) {
    void *moved = std::realloc(static_cast<void *>(items_), checked_multiply(allocation, sizeof(T)));
    if (moved == nullptr) throw std::bad_alloc();
    items_ = static_cast<T *>(moved);
    allocated_ = allocation;
  }

  // Giving memory back is a courtesy: if the heap refuses, the larger block simply stays.
  void reallocate_smaller(t_size allocation) {
    void *moved = std::realloc(static_cast<void *>(items_), static_cast<std::size_t>(allocation) * sizeof(T));
    if (moved == nullptr) return;
    items_ = static_cast<T *>(moved);
    allocated_ = allocation;
  }

  T *items_ = nullptr;
  t_size count_ = 0;
  t_size allocated_ = 0;
};

}  // namespace pfc
