#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "message_sequence.h"
#include "no_copy.h"

// Real windows in the test's own process, under whatever class names a test asks for, recording
// every message of the messenger vocabulary that reaches them, each window under the role the test
// gave it.

class window_recorder : private no_copy {
 public:
  window_recorder();
  ~window_recorder();

  // A top-level window without frame, so that its screen rectangle is exactly the one given.
  HWND top_level(const char *role, const wchar_t *window_class, RECT screen = {0, 0, 200, 100});
  // "TEdit" and "TComboBox" behave as the system's edit and combo box.
  HWND child(const char *role, HWND parent, const wchar_t *window_class, const wchar_t *text = L"",
             RECT area = {0, 0, 80, 20});

  void start_recording();
  std::vector<window_message> recorded;

  // Called after recording a message; lets a test make its windows react as the messenger does.
  std::function<void(HWND, UINT)> reaction;

 private:
  void register_class(const wchar_t *window_class);

  friend void record(HWND, UINT, WPARAM, LPARAM);

  std::set<std::wstring> classes_;
  std::vector<HWND> windows_;
  std::map<HWND, std::string> roles_;
};
