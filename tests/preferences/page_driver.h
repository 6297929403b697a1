#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "text_conversion.h"

// Drives the real page and editor dialogs with window messages, as a user's clicks and keys
// would arrive.

// A top-level window standing for the player's preferences window, with the page inside it,
// created through the page object as the player does. Closing destroys both.
class open_page {
 public:
  // In a hidden frame of its own.
  open_page();
  explicit open_page(HWND frame);
  ~open_page();
  open_page(const open_page &) = delete;
  open_page &operator=(const open_page &) = delete;

  void close();

  HWND frame() const { return frame_; }
  HWND page() const { return page_; }
  HWND item(int id) const { return GetDlgItem(page_, id); }

  void click(int id) const;
  void select(int index) const;
  void double_click_selection() const;

  // Opens the editor on the entry at `index` (selected, then double-clicked), or on a new entry
  // ("Add"), for `answer` (see when_editor_opens). Whether an editor opened and `answer` ended it.
  bool edit_entry(int index, std::function<void(HWND editor)> answer) const;
  bool add_entry(std::function<void(HWND editor)> answer) const;

  std::vector<std::wstring> list() const;
  int selection() const;
  bool checked(int id) const;

 private:
  HWND frame_ = nullptr;
  HWND page_ = nullptr;
};

// Answers the next preset editor that opens on this thread: `answer` runs inside the editor's
// modal loop once the editor is found and is to end it; an editor it leaves open is ended with
// IDABORT.
void when_editor_opens(std::function<void(HWND editor)> answer);

// Forgets an answer that no editor took.
void stop_waiting_for_editor();

// Whether the last awaited editor was found and ended by its answer.
bool editor_was_answered();

HWND script_edit(HWND editor);
HWND preview_edit(HWND editor);

void type_text(HWND edit, const std::wstring &text);
void paste_text(HWND edit, const std::wstring &text);
void press_ok(HWND editor);
void press_cancel(HWND editor);

// Esc to the control with the focus, and the close box's command. The editor handles both through
// its message queue: see wait_for_editor_to_close.
void press_escape();
void click_close_box(HWND editor);

// Runs the editor's pending messages as its modal loop would, until it closes or a second has
// passed.
void wait_for_editor_to_close(HWND editor);
