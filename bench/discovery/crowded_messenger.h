#pragma once

#include <windows.h>

#include "no_copy.h"

#include "messenger_layout.h"

// The stand-in messenger with its dialog's controls made at start and `decoys` windows of other
// classes inside its forms, for as long as the object lives, checked to hold the decoys there.
class crowded_messenger : private no_copy {
 public:
  explicit crowded_messenger(int decoys);
  ~crowded_messenger();

  // Null once it runs with its decoys, else what went wrong.
  const char *failure() const { return failure_; }
  const messenger_layout &layout() const { return layout_; }
  DWORD process() const { return process_; }

 private:
  // The component's discovery has a function of the same name as the stand-in's process class, and
  // the benchmark needs both: this header does not name the class.
  struct stand_in;

  stand_in *stand_in_;
  messenger_layout layout_ = {};
  DWORD process_ = 0;
  const char *failure_ = nullptr;
};
