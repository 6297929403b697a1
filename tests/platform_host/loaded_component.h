#pragma once

#include <windows.h>

#include "boundary/boundary.h"
#include "no_copy.h"

// The component loaded as the player loads it: the player's own shared.dll first, then
// components\foo_tunesignal.dll with its own folder searched first, then its entry point called
// with the host's API object and the module.
class loaded_component : private no_copy {
 public:
  explicit loaded_component(foobar2000_api &api);
  ~loaded_component();

  // Null when loading failed (already reported as a failed check).
  foobar2000_client *client() const { return client_; }

  // The one instance the factory of that class creates, or null.
  template <typename I>
  I *service() const {
    return static_cast<I *>(create(I::class_guid));
  }

 private:
  service_base *create(const GUID &class_guid) const;

  HMODULE shared_ = nullptr;
  HMODULE module_ = nullptr;
  foobar2000_client *client_ = nullptr;
};
