#pragma once

#include "boundary/boundary.h"

// A host object handed to the component by reference, counting the references so that a host (the
// player, a test) can tell whether the component let go of everything it took. The host holds the
// first reference, so once the component is done, references() is 1 again. Objects of the component
// never ask host objects for interfaces.
template <typename Base>
class counted : public Base {
 public:
  int service_add_ref() override {
    ++taken_;
    return ++references_;
  }
  int service_release() override { return --references_; }
  bool service_query(service_base **, const GUID &) override { return false; }

  int references() const { return references_; }
  // How many references were ever taken, to tell "released" from "never taken".
  int taken() const { return taken_; }

 private:
  int references_ = 1;
  int taken_ = 0;
};

// A host object made on the heap for the one who asked for it, gone with its last reference.
template <typename Base>
class counted_handout : public counted<Base> {
 public:
  int service_release() override {
    const int left = counted<Base>::service_release();
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~counted_handout() = default;
};
