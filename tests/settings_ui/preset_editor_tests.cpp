#include <gtest/gtest.h>

#include <string>

#include "page_fixture.h"
#include "resources/resource.h"
#include "preferences/preset_editor.h"

using editor = page_test;
using entries = std::vector<std::wstring>;

namespace {

std::pair<DWORD, DWORD> selection_of(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

void set_control_key(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace

TEST_F(editor, opens_on_the_double_clicked_entry_fully_selected_with_the_focus_in_the_edit) {
  open_page open;
  std::wstring shown;
  std::pair<DWORD, DWORD> selected;
  bool focused = false;
  std::wstring caption;
  when_editor_opens([&](HWND dialog) {
    const HWND script = GetDlgItem(dialog, IDC_PRESET_SCRIPT);
    shown = window_text(script);
    selected = selection_of(script);
    focused = GetFocus() == script;
    caption = window_text(dialog);
    press_cancel(dialog);
  });
  open.select(1);
  open.double_click_selection();
  ASSERT_TRUE(editor_was_answered());
  EXPECT_EQ(caption, L"Preset Edit");
  EXPECT_EQ(shown, L"%artist% - %title%");
  EXPECT_EQ(selected, (std::pair<DWORD, DWORD>{0, 18}));
  EXPECT_TRUE(focused);
}

TEST_F(editor, a_double_click_without_a_selection_opens_nothing) {
  open_page open;
  when_editor_opens([](HWND dialog) { press_cancel(dialog); });
  open.double_click_selection();
  EXPECT_FALSE(editor_was_answered());
}

TEST_F(editor, cancel_after_typing_leaves_a_non_empty_entry_as_it_was) {
  open_page open;
  when_editor_opens([](HWND dialog) {
    type_text(GetDlgItem(dialog, IDC_PRESET_SCRIPT), L"something else");
    press_cancel(dialog);
  });
  open.select(2);
  open.double_click_selection();
  ASSERT_TRUE(editor_was_answered());
  EXPECT_EQ(open.list(), defaults());
}

TEST_F(editor, cancel_on_an_empty_entry_removes_it) {
  store({L"first", L"", L"last"});
  open_page open;
  when_editor_opens([](HWND dialog) { press_cancel(dialog); });
  open.select(1);
  open.double_click_selection();
  ASSERT_TRUE(editor_was_answered());
  EXPECT_EQ(open.list(), (entries{L"first", L"last"}));
}

TEST_F(editor, ok_on_an_emptied_text_keeps_the_entry_now_empty_in_its_place) {
  open_page open;
  when_editor_opens([](HWND dialog) {
    const HWND script = GetDlgItem(dialog, IDC_PRESET_SCRIPT);
    SendMessageW(script, WM_CHAR, VK_BACK, 1);
    press_ok(dialog);
  });
  open.select(0);
  open.double_click_selection();
  ASSERT_TRUE(editor_was_answered());
  const entries d = defaults();
  EXPECT_EQ(open.list(), (entries{L"", d[1], d[2]}));
  EXPECT_EQ(open.selection(), LB_ERR);
}

TEST_F(editor, a_pasted_two_line_script_is_stored_joined_on_ok) {
  open_page open;
  std::wstring while_editing;
  when_editor_opens([&](HWND dialog) {
    const HWND script = GetDlgItem(dialog, IDC_PRESET_SCRIPT);
    paste_text(script, L"%artist%\r\n - %title%");
    while_editing = window_text(script);
    press_ok(dialog);
  });
  open.select(1);
  open.double_click_selection();
  ASSERT_TRUE(editor_was_answered());
  EXPECT_EQ(while_editing, L"%artist%\r\n - %title%") << "line breaks stay while editing";
  EXPECT_EQ(open.list()[1], L"%artist% - %title%");
}

TEST_F(editor, control_a_selects_all_of_the_script_and_a_alone_does_not) {
  open_page open;
  std::pair<DWORD, DWORD> after_a;
  std::pair<DWORD, DWORD> after_control_a;
  when_editor_opens([&](HWND dialog) {
    const HWND script = GetDlgItem(dialog, IDC_PRESET_SCRIPT);
    SendMessageW(script, EM_SETSEL, 3, 3);
    set_control_key(false);
    SendMessageW(script, WM_KEYDOWN, 'A', 1);
    after_a = selection_of(script);
    set_control_key(true);
    SendMessageW(script, WM_KEYDOWN, 'A', 1);
    set_control_key(false);
    after_control_a = selection_of(script);
    press_cancel(dialog);
  });
  open.select(2);
  open.double_click_selection();
  ASSERT_TRUE(editor_was_answered());
  EXPECT_EQ(after_a, (std::pair<DWORD, DWORD>{3, 3}));
  EXPECT_EQ(after_control_a, (std::pair<DWORD, DWORD>{0, 28}));
}

TEST(line_breaks, are_removed_keeping_everything_else_in_order) {
  pfc::wide_string text(L"\r\na\rb\n\nc\u266B\r");
  remove_line_breaks(text);
  EXPECT_EQ(std::wstring(text.c_str()), L"abc\u266B");
  EXPECT_EQ(text.length(), 4u);
}
