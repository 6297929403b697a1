#pragma once

#include <windows.h>

#include "no_copy.h"

// For its life, the process has an application data folder of its own (APPDATA, a new folder in
// the temporary folder), so that the component's file of one test, benchmark or session is never
// another's. The folder goes with what is in it at the end.
class own_app_data : private no_copy {
 public:
  own_app_data();
  ~own_app_data();

  const wchar_t *folder() const { return folder_; }
  // Whether the folder holds a file whose name starts with `start`.
  bool holds_file_starting(const wchar_t *start) const;

 private:
  wchar_t folder_[MAX_PATH] = {};
  wchar_t earlier_[MAX_PATH] = {};
  bool had_earlier_ = false;
};
