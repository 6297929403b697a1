#pragma once

#include <string>

#include "boundary/boundary.h"
#include "no_copy.h"

// The built component, loaded from beside the test program exactly as a host loads it, and
// unloaded again when this object goes, so that every test starts from fresh statics.
class loaded_component : private no_copy {
 public:
  loaded_component();
  ~loaded_component();

  HMODULE module() const { return module_; }
  foobar2000_get_interface_t entry() const { return entry_; }

 private:
  HMODULE shared_;
  HMODULE module_;
  foobar2000_get_interface_t entry_;
};
