#pragma once

#include "boundary/boundary.h"

// A host-side object the player owns for its whole run. Counts references so that, at exit, a
// component that kept one it should have released shows up; never deletes itself. `Base` is the
// class the object derives from: the interface itself, or a base that fills its unused slots.
template <typename I, typename Base = I>
class host_object_t : public Base {
 public:
  int service_release() override { return --references_; }
  int service_add_ref() override { return ++references_; }
  bool service_query(service_base **out, const GUID &interface_guid) override {
    if (!guid_equal(interface_guid, I::class_guid)) return false;
    service_add_ref();
    if (*out != nullptr) (*out)->service_release();
    *out = this;
    return true;
  }

  // References beyond the player's own.
  int extra_references() const { return references_ - 1; }

 private:
  int references_ = 1;
};
