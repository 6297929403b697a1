#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Drives the real page and editor dialogs with window messages, as a user's clicks and keys
// would arrive.

// A top-level window standing for the player's preferences window, with the page inside it,
// created through the page object as the player does. Closing destroys both.
class open_page {
 public:
  open_page();
  ~open_page();
  open_page(const open_page &) = delete;
  open_page &operator=(const open_page &) = delete;

  void close();

  HWND page() const { return page_; }
  HWND item(int id) const { return GetDlgItem(page_, id); }

  void click(int id) const;
  void select(int index) const;
  void double_click_selection() const;
  std::vector<std::wstring> list() const;
  int selection() const;
  bool checked(int id) const;

 private:
  HWND frame_ = nullptr;
  HWND page_ = nullptr;
};

// Answers the next preset editor that opens on this thread: `answer` runs inside the editor's
// modal loop once the editor is found and must end it (OK or Cancel).
void when_editor_opens(std::function<void(HWND editor)> answer);

// Forgets an answer that no editor took.
void stop_waiting_for_editor();

// Whether the last awaited editor was found and answered.
bool editor_was_answered();

std::wstring window_text(HWND window);
void type_text(HWND edit, const std::wstring &text);
void paste_text(HWND edit, const std::wstring &text);
void press_ok(HWND editor);
void press_cancel(HWND editor);
