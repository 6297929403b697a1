#pragma once

#include <windows.h>

#include <vector>

#include "messenger/messenger_windows.h"

// The messenger's windows among many decoys, all in this process: a tenth of the decoys are
// top-level windows of other programs' classes, with children of their own (some of them of the
// messenger's classes under the wrong parent); the rest are children of the messenger's own forms
// whose class names differ from its controls' only in case, or not at all. The messenger's windows
// are created first, so that every search has to pass all the decoys' top-level windows.
class crowded_desktop {
 public:
  explicit crowded_desktop(int decoys);
  ~crowded_desktop();
  crowded_desktop(const crowded_desktop &) = delete;
  crowded_desktop &operator=(const crowded_desktop &) = delete;

  // The table discovery should fill in.
  const messenger_window_table &messenger() const { return messenger_; }
  bool created() const { return created_; }

 private:
  HWND window(HINSTANCE instance, const wchar_t *window_class, HWND parent, const wchar_t *caption = L"");

  messenger_window_table messenger_ = {};
  std::vector<HWND> windows_;
  bool created_ = true;
};
