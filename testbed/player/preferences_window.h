#pragma once

#include <windows.h>

#include "no_copy.h"
#include "service_registry.h"

// The component's preferences page in a window of the player's own, as the player's preferences
// window hosts it: the page is created as a child and shown, with its name, GUIDs and help address
// above it. The window stays open while the commands go on, as the player's does while it plays;
// its close box, Esc, its Close button, 'prefs close' and the end of the commands close it, and
// closing destroys the page, which stores what it holds.
class preferences_window : private no_copy {
 public:
  explicit preferences_window(service_registry &registry) : registry_(registry) {}
  ~preferences_window() { close(); }

  void open();
  void close();
  // As close, and says so when there was nothing to close.
  void close_on_request();

  // Esc closes the window; Tab and the page's other dialog keys move within the page. True when
  // the message was one of these.
  bool take_key(MSG &message);

  // The page's window while the preferences are open, else null.
  HWND page() const { return page_; }

 private:
  static LRESULT CALLBACK frame_procedure(HWND frame, UINT message, WPARAM wparam, LPARAM lparam);
  void create_frame(preferences_page &page);
  void closed();

  service_registry &registry_;
  service_base *page_service_ = nullptr;
  HWND frame_ = nullptr;
  HWND page_ = nullptr;
};
