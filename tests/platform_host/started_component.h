#pragma once

#include <windows.h>

#include "boundary/boundary.h"
#include "component_loader.h"
#include "no_copy.h"

// components\foo_tunesignal.dll, loaded as the player loads it and started with the host's API
// object; each step that fails is a failed check.
class started_component : private no_copy {
 public:
  explicit started_component(foobar2000_api &api);

  // Null when loading failed.
  foobar2000_client *client() const { return client_; }

  // The one instance the factory of that class creates, or null.
  template <typename I>
  I *service() const {
    return client_ != nullptr ? create_service<I>(*client_) : nullptr;
  }

 private:
  component_loader loader_;
  foobar2000_client *client_ = nullptr;
};
