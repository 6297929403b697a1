#pragma once

#include "boundary/boundary.h"

// A host object handed to the component by reference: counts them so that the player can tell,
// at exit, whether the component let go of everything it took. `Owned` objects die with their
// last reference; the others belong to the player and outlive any count.
template <typename I, bool Owned = false>
class counted_object : public I {
 public:
  int service_release() override {
    const int left = --references_;
    if (Owned && left == 0) delete this;
    return left;
  }
  int service_add_ref() override { return ++references_; }
  // These objects answer no interface query: the component never asks them.
  bool service_query(service_base **, const GUID &) override { return false; }

  int references() const { return references_; }

 protected:
  virtual ~counted_object() = default;

 private:
  int references_ = 1;
};
