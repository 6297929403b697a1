#pragma once

#include <windows.h>

// The stand-in messenger's windows as the window system names them when asked for a form's own
// children of a class (FindWindowExW): a way that shares nothing with discovery's walk over every
// descendant and its reading of class names, to check what discovery found. Written without the
// C++ standard library, so that the platform-ABI benchmarks use it too.
struct messenger_layout {
  HWND main_form;   // the "TMainForm" of the status form's process
  HWND main_panel;  // its last "TPanel" child, the status bar
  HWND status_form;
  HWND status_panel;       // the "TPanel" child captioned "OK"
  HWND status_combo;       // the "TComboBox" child
  HWND bottom_edit;        // the first "TEdit" child
  HWND top_edit;           // the last "TEdit" child
  int main_descendants;    // every window under the main form, decoys included
  int status_descendants;  // every window under the status form, decoys included
};

// All null and 0 for a null form. The dialog's controls are there only once the stand-in made them
// (--controls-at-start, or the first opening).
messenger_layout layout_of(HWND status_form);
