#pragma once

#include <utility>

#include "array.h"
#include "bit_array.h"
#include "sizes.h"
#include "string8.h"

namespace pfc {

template <typename T>
class list_base_const_t {
 public:
  virtual t_size count() const = 0;
  // The index is not checked: callers keep it below count().
  virtual void get_copy(T &out, t_size index) const = 0;

  T get_item(t_size index) const {
    T item;
    get_copy(item, index);
    return item;
  }

 protected:
  ~list_base_const_t() = default;
};

template <typename T>
class list_base_t : public list_base_const_t<T> {
 public:
  // Keeps the selected items in their order and drops the others.
  virtual void keep_selected(const bit_array &mask) = 0;

  void remove_all() {
    const bit_array_true all;
    keep_selected(bit_array_not(all));
  }

 protected:
  ~list_base_t() = default;
};

template <typename T, typename Storage = array_t<T, alloc_fast>>
class list_impl_t : public list_base_t<T> {
 public:
  list_impl_t() = default;
  list_impl_t(const list_impl_t &) = delete;
  list_impl_t &operator=(const list_impl_t &) = delete;
  ~list_impl_t() = default;

  t_size count() const override { return storage_.size(); }
  void get_copy(T &out, t_size index) const override { out = storage_[index]; }
  // The index is not checked: callers keep it below count().
  const T &operator[](t_size index) const { return storage_[index]; }

  t_size add(const T &item) { return insert_at(item, count()); }

  // Appends `item` without copying it: the two exchange places, and `item` is left with a new, empty
  // item's content.
  t_size add_by_swap(T &item) {
    const t_size index = count();
    storage_.set_size(checked_add(index, 1));
    using std::swap;
    swap(storage_[index], item);
    return index;
  }

  // An index past the end appends. Items after it move up by text assignment.
  t_size insert_at(const T &item, t_size index) {
    const t_size old_count = count();
    if (index > old_count) index = old_count;
    storage_.set_size(checked_add(old_count, 1));
    for (t_size i = old_count; i > index; --i) storage_[i] = storage_[i - 1];
    storage_[index] = item;
    return index;
  }

  void keep_selected(const bit_array &mask) override {
    const t_size total = count();
    t_size kept = mask.find(false, 0, total);
    if (kept == total) return;
    t_size next = mask.find(true, kept + 1, total - kept - 1);
    while (next < total) {
      using std::swap;
      swap(storage_[kept], storage_[next]);
      ++kept;
      next = mask.find(true, next + 1, total - next - 1);
    }
    storage_.set_size(kept);
  }

  t_size allocated() const { return storage_.allocated(); }

 private:
  Storage storage_;
};

template <typename T>
class list_t : public list_impl_t<T> {};

}  // namespace pfc
