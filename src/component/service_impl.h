#pragma once

#include "boundary/boundary.h"

// Makes *out refer to `object`: reference taken on the new object first, then the old one let go.
inline void service_hand_out(service_base **out, service_base *object) {
  object->service_add_ref();
  if (*out != nullptr) (*out)->service_release();
  *out = object;
}

// The reference counting of a static object that lives from load to unload: nothing to count.
// Answers service_query for exactly the class GUID of the interface T implements.
template <typename T>
class service_impl_single_t : public T {
 public:
  template <typename... Args>
  explicit service_impl_single_t(Args &&...args) : T(static_cast<Args &&>(args)...) {}

  int service_release() override { return 1; }
  int service_add_ref() override { return 1; }

  bool service_query(service_base **out, const GUID &interface_guid) override {
    if (!guid_equal(interface_guid, T::class_guid)) return false;
    service_base *self = this;
    service_hand_out(out, self);
    return true;
  }
};
