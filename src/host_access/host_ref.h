#pragma once

#include "boundary/boundary.h"

// Holds one reference to a host object inside the component and lets it go at the end of the
// scope. Only raw pointers cross the boundary; this never does.
template <typename T>
class host_ref {
 public:
  host_ref() = default;
  explicit host_ref(T *owned) : object_(owned) {}
  host_ref(const host_ref &) = delete;
  host_ref &operator=(const host_ref &) = delete;
  ~host_ref() { reset(); }

  T *get() const { return object_; }
  T *operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // The slot for a host call that hands an object out: the callee releases what it holds.
  T **out() { return &object_; }

  // A new reference for a callee that takes one by value.
  T *copy() const {
    if (object_ != nullptr) object_->service_add_ref();
    return object_;
  }

  void reset() {
    if (object_ != nullptr) object_->service_release();
    object_ = nullptr;
  }

 private:
  T *object_ = nullptr;
};
