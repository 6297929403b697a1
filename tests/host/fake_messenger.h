#pragma once

#include <windows.h>

// The messenger's windows, just enough for discovery: a main form with a panel and a status form
// whose controls are missing, so that finding them clicks the panel. Counts the clicks.
class fake_messenger {
 public:
  fake_messenger();
  ~fake_messenger();
  fake_messenger(const fake_messenger &) = delete;
  fake_messenger &operator=(const fake_messenger &) = delete;

  static int panel_clicks;

 private:
  HWND main_form_;
  HWND status_form_;
};
