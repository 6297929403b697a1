#pragma once

#include <windows.h>

#include "boundary/boundary.h"
#include "component_loader.h"
#include "no_copy.h"
#include "own_app_data.h"

// components\foo_tunesignal.dll, loaded as the player loads it and started with the host's API
// object, with an application data folder of its own; each step that fails is a failed check.
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
  own_app_data app_data_;
  component_loader loader_;
  foobar2000_client *client_ = nullptr;
};
