#pragma once

#include <windows.h>

#include "no_copy.h"

// Top-level windows of other programs' classes, made by this program once the messenger runs: a
// new top-level window goes to the top of the window order, so a search by class from the top, as
// discovery's, passes all of them before it reaches the messenger's forms. Hidden; destroyed, and
// their classes unregistered, at the end. Written without the C++ standard library.
class other_programs_windows : private no_copy {
 public:
  explicit other_programs_windows(int count);
  ~other_programs_windows();

  int made() const { return made_; }

 private:
  HWND *windows_;
  int made_ = 0;
};

// How many top-level windows lie above `window` in the window order; -1 when it is none of them.
int windows_above(HWND window);
