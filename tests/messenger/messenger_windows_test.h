#pragma once

#include <gtest/gtest.h>

#include "messenger/messenger_windows.h"
#include "window_recorder.h"

// A case against windows made in the test's own process under the messenger's class names. The
// component's record of the messenger's windows is cleared before and after each case.
class messenger_windows_test : public ::testing::Test {
 protected:
  void SetUp() override { reset_messenger_windows(); }
  void TearDown() override { reset_messenger_windows(); }

  // The main form with its left edge at 100 on the screen, a contacts panel and, last, the panel
  // whose right end, at 700, holds the status spot.
  HWND add_main_form() {
    main_form = windows.top_level("main_form", L"TMainForm", {100, 50, 720, 450});
    windows.child("TPanel", main_form, L"TPanel", L"Contacts", {0, 0, 600, 360});
    main_panel = windows.child("main_panel", main_form, L"TPanel", L"", {0, 360, 600, 390});
    return main_form;
  }

  window_recorder windows;
  HWND main_form = nullptr;
  HWND main_panel = nullptr;
};
