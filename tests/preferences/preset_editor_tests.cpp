#include <gtest/gtest.h>

#include <string>

#include "page_fixture.h"
#include "preferences/preset_editor.h"
#include "settings/config_variables.h"

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
  ASSERT_TRUE(open.edit_entry(1, [&](HWND dialog) {
    const HWND script = script_edit(dialog);
    shown = window_text(script);
    selected = selection_of(script);
    focused = GetFocus() == script;
    caption = window_text(dialog);
    press_cancel(dialog);
  }));
  EXPECT_EQ(caption, L"Preset Edit");
  EXPECT_EQ(shown, L"%artist% - %title%");
  EXPECT_EQ(selected, (std::pair<DWORD, DWORD>{0, 18}));
  EXPECT_TRUE(focused);
}

TEST_F(editor, a_double_click_without_a_selection_opens_nothing) {
  open_page open;
  when_editor_opens(press_cancel);
  open.double_click_selection();
  EXPECT_FALSE(editor_was_answered());
}

TEST_F(editor, cancel_after_typing_leaves_a_non_empty_entry_as_it_was) {
  open_page open;
  ASSERT_TRUE(open.edit_entry(2, [](HWND dialog) {
    type_text(script_edit(dialog), L"something else");
    press_cancel(dialog);
  }));
  EXPECT_EQ(open.list(), defaults());
}

TEST_F(editor, cancel_or_ok_without_a_change_keeps_an_entry_byte_for_byte_even_empty_or_not_utf8) {
  cfg_presets.remove_all();
  cfg_presets.add("first");
  cfg_presets.add("");
  cfg_presets.add("caf\xE9");  // Latin-1, as another program may have stored it
  open_page open;
  const entries shown = open.list();
  ASSERT_TRUE(open.edit_entry(1, press_cancel));
  ASSERT_TRUE(open.edit_entry(2, press_cancel));
  ASSERT_TRUE(open.edit_entry(2, press_ok));
  EXPECT_EQ(open.list(), shown);
  open.close();
  EXPECT_EQ(stored_bytes(), (std::vector<std::string>{"first", "", "caf\xE9"}));
}

TEST_F(editor, esc_and_the_close_box_act_as_cancel) {
  store({L"first", L"", L"last"});
  open_page open;
  EXPECT_TRUE(open.edit_entry(0, [](HWND dialog) {
    type_text(script_edit(dialog), L"typed");
    press_escape();
    wait_for_editor_to_close(dialog);
  })) << "Esc closes the editor";
  EXPECT_EQ(open.list(), (entries{L"first", L"", L"last"})) << "Esc keeps a non-empty entry";

  EXPECT_TRUE(open.add_entry([](HWND dialog) {
    click_close_box(dialog);
    wait_for_editor_to_close(dialog);
  })) << "the close box closes the editor";
  EXPECT_EQ(open.list(), (entries{L"first", L"", L"last"})) << "the close box removes the entry just added";
}

TEST_F(editor, ok_on_an_emptied_text_keeps_the_entry_now_empty_in_its_place) {
  open_page open;
  ASSERT_TRUE(open.edit_entry(0, [](HWND dialog) {
    SendMessageW(script_edit(dialog), WM_CHAR, VK_BACK, 1);
    press_ok(dialog);
  }));
  const entries d = defaults();
  EXPECT_EQ(open.list(), (entries{L"", d[1], d[2]}));
  EXPECT_EQ(open.selection(), LB_ERR);
}

TEST_F(editor, control_a_selects_all_of_the_script_and_a_alone_does_not) {
  open_page open;
  std::pair<DWORD, DWORD> after_a;
  std::pair<DWORD, DWORD> after_control_a;
  ASSERT_TRUE(open.edit_entry(2, [&](HWND dialog) {
    const HWND script = script_edit(dialog);
    SendMessageW(script, EM_SETSEL, 3, 3);
    set_control_key(false);
    SendMessageW(script, WM_KEYDOWN, 'A', 1);
    after_a = selection_of(script);
    set_control_key(true);
    SendMessageW(script, WM_KEYDOWN, 'A', 1);
    set_control_key(false);
    after_control_a = selection_of(script);
    press_cancel(dialog);
  }));
  EXPECT_EQ(after_a, (std::pair<DWORD, DWORD>{3, 3}));
  EXPECT_EQ(after_control_a, (std::pair<DWORD, DWORD>{0, 28}));
}

TEST(line_breaks, are_removed_keeping_everything_else_in_order) {
  pfc::wide_string text(L"\r\na\rb\n\nc\u266B\r");
  remove_line_breaks(text);
  EXPECT_EQ(std::wstring(text.c_str()), L"abc\u266B");
  EXPECT_EQ(text.length(), 4u);
}
