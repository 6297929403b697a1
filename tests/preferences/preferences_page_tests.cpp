#include <gtest/gtest.h>

#include "page_fixture.h"
#include "settings/config_variables.h"
#include "resources/resource.h"

using page = page_test;
using entries = std::vector<std::wstring>;

TEST_F(page, first_opening_lists_the_three_defaults_and_closing_it_untouched_stores_none) {
  open_page open;
  EXPECT_EQ(open.list(), defaults());
  EXPECT_EQ(open.selection(), LB_ERR);
  open.close();
  EXPECT_EQ(cfg_presets.count(), 0u) << "the defaults are offered, not stored";
}

// Latin-1 texts, not UTF-8, as another program may have stored them.
const std::string cafe = "caf\xE9 %title%";
const std::string quoted = "\xAB%album%\xBB";
const std::string state = "\xC9tat:";

TEST_F(page, closing_it_untouched_keeps_every_stored_text_byte_for_byte) {
  cfg_presets.add("%title%");
  cfg_presets.add(cafe.c_str());
  cfg_presets.add(quoted.c_str());
  cfg_active_script.assign(cafe.c_str());
  cfg_top_text.assign(state.c_str());
  open_page().close();
  EXPECT_EQ(stored_bytes(), (std::vector<std::string>{"%title%", cafe, quoted}));
  EXPECT_EQ(cfg_active_script.text(), cafe);
  EXPECT_EQ(cfg_top_text.text(), state);
}

TEST_F(page, moving_one_entry_and_editing_another_keeps_the_bytes_of_the_entries_not_edited) {
  cfg_presets.add("%title%");
  cfg_presets.add(cafe.c_str());
  cfg_presets.add(quoted.c_str());
  open_page open;
  open.select(2);
  open.click(IDC_UP);
  ASSERT_TRUE(open.edit_entry(0, [](HWND editor) {
    type_text(script_edit(editor), L"\u266B");
    press_ok(editor);
  }));
  open.close();
  EXPECT_EQ(stored_bytes(), (std::vector<std::string>{"\xE2\x99\xAB", quoted, cafe}));
}

TEST_F(page, moving_entries_that_read_alike_stores_their_bytes_in_the_new_order) {
  // The Latin-1 text reads only as far as its first byte that is not UTF-8: both entries read "caf".
  cfg_presets.add(cafe.c_str());
  cfg_presets.add("caf");
  open_page open;
  open.select(1);
  open.click(IDC_UP);
  open.close();
  EXPECT_EQ(stored_bytes(), (std::vector<std::string>{"caf", cafe}));
}

TEST_F(page, shows_the_stored_settings_and_keeps_empty_and_non_ascii_entries) {
  store({L"%title%", L"", L"\u266B %artist% \u2014 \u00C9t\u00E9"});
  cfg_active_script.assign("\xE2\x99\xAB %title%");
  cfg_top_text.assign("\xD0\xA1\xD0\xBB\xD1\x83\xD1\x88\xD0\xB0\xD1\x8E:");
  cfg_music_status_only = true;
  cfg_keep_top_text = true;

  open_page open;
  EXPECT_EQ(open.list(), (entries{L"%title%", L"", L"\u266B %artist% \u2014 \u00C9t\u00E9"}));
  EXPECT_EQ(window_text(open.item(IDC_ACTIVE_SCRIPT)), L"\u266B %title%");
  EXPECT_EQ(window_text(open.item(IDC_TOP_TEXT)), L"\u0421\u043B\u0443\u0448\u0430\u044E:");
  EXPECT_TRUE(open.checked(IDC_MUSIC_STATUS_ONLY));
  EXPECT_FALSE(open.checked(IDC_KEEP_STATUS_PICTURE));
  EXPECT_TRUE(open.checked(IDC_KEEP_TOP_TEXT));
  EXPECT_STREQ(cfg_top_text.text(), "\xD0\xA1\xD0\xBB\xD1\x83\xD1\x88\xD0\xB0\xD1\x8E:");
  open.close();
  EXPECT_EQ(stored_presets(), (entries{L"%title%", L"", L"\u266B %artist% \u2014 \u00C9t\u00E9"}));
}

TEST_F(page, add_then_cancel_leaves_the_list_as_it_was) {
  open_page open;
  EXPECT_TRUE(open.add_entry([](HWND editor) {
    type_text(script_edit(editor), L"%album%");
    press_cancel(editor);
  }));
  EXPECT_EQ(open.list(), defaults());
}

TEST_F(page, add_then_ok_appends_the_typed_text_as_the_last_entry) {
  open_page open;
  ASSERT_TRUE(open.add_entry([](HWND editor) {
    type_text(script_edit(editor), L"%album% \u266B");
    press_ok(editor);
  }));
  entries expected = defaults();
  expected.push_back(L"%album% \u266B");
  EXPECT_EQ(open.list(), expected);
  EXPECT_EQ(open.selection(), LB_ERR);
  open.close();
  EXPECT_EQ(stored_presets(), expected);
}

TEST_F(page, ok_on_an_empty_editor_keeps_an_empty_entry_that_is_stored_and_reloaded) {
  {
    open_page open;
    ASSERT_TRUE(open.add_entry(press_ok));
  }
  entries expected = defaults();
  expected.push_back(L"");
  EXPECT_EQ(stored_presets(), expected);
  open_page reopened;
  EXPECT_EQ(reopened.list(), expected);
}

TEST_F(page, up_on_the_first_and_down_on_the_last_entry_change_nothing) {
  open_page open;
  open.select(0);
  open.click(IDC_UP);
  EXPECT_EQ(open.list(), defaults());
  EXPECT_EQ(open.selection(), 0);
  open.select(2);
  open.click(IDC_DOWN);
  EXPECT_EQ(open.list(), defaults());
  EXPECT_EQ(open.selection(), 2);
}

TEST_F(page, down_on_the_second_to_last_swaps_the_last_two_and_keeps_the_moved_entry_selected) {
  open_page open;
  open.select(1);
  open.click(IDC_DOWN);
  const entries d = defaults();
  EXPECT_EQ(open.list(), (entries{d[0], d[2], d[1]}));
  EXPECT_EQ(open.selection(), 2);
  open.click(IDC_UP);
  open.click(IDC_UP);
  EXPECT_EQ(open.list(), (entries{d[1], d[0], d[2]}));
  EXPECT_EQ(open.selection(), 0);
  open.close();
  EXPECT_EQ(stored_presets(), (entries{d[1], d[0], d[2]}));
}

TEST_F(page, moving_without_a_selection_changes_nothing) {
  open_page open;
  open.click(IDC_UP);
  open.click(IDC_DOWN);
  EXPECT_EQ(open.list(), defaults());
}

TEST_F(page, delete_removes_the_selected_entry_and_does_nothing_without_one) {
  open_page open;
  open.click(IDC_DELETE);
  EXPECT_EQ(open.list(), defaults());
  open.select(1);
  open.click(IDC_DELETE);
  const entries d = defaults();
  EXPECT_EQ(open.list(), (entries{d[0], d[2]}));
  EXPECT_EQ(open.selection(), LB_ERR);
  open.close();
  EXPECT_EQ(stored_presets(), (entries{d[0], d[2]}));
}

TEST_F(page, defaults_replace_the_list_without_touching_the_active_script_or_the_store) {
  store({L"mine"});
  cfg_active_script.assign("mine");
  open_page open;
  open.select(0);
  open.click(IDC_DELETE);
  open.click(IDC_DEFAULTS);
  EXPECT_EQ(open.list(), defaults());
  EXPECT_STREQ(cfg_active_script.text(), "mine");
  EXPECT_EQ(stored_presets(), (entries{L"mine"}));
  open.close();
  EXPECT_EQ(stored_presets(), defaults());
}

TEST_F(page, set_active_without_a_selection_changes_nothing) {
  cfg_active_script.assign("%title%");
  open_page open;
  open.click(IDC_SET_ACTIVE);
  EXPECT_STREQ(cfg_active_script.text(), "%title%");
  EXPECT_EQ(window_text(open.item(IDC_ACTIVE_SCRIPT)), L"%title%");
}

TEST_F(page, set_active_shows_the_selected_entry_and_stores_it_at_once) {
  store({L"%title%", L"\u266B %artist%"});
  open_page open;
  open.select(1);
  open.click(IDC_SET_ACTIVE);
  EXPECT_EQ(window_text(open.item(IDC_ACTIVE_SCRIPT)), L"\u266B %artist%");
  EXPECT_STREQ(cfg_active_script.text(), "\xE2\x99\xAB %artist%");
}

TEST_F(page, the_active_script_edit_is_read_only) {
  open_page open;
  const HWND active = open.item(IDC_ACTIVE_SCRIPT);
  type_text(active, L"xyz");
  EXPECT_EQ(window_text(active), wide_from_utf8(default_title_script));
  EXPECT_STREQ(cfg_active_script.text(), default_title_script);
}

TEST_F(page, typing_in_the_top_text_stores_every_keystroke) {
  open_page open;
  const HWND top = open.item(IDC_TOP_TEXT);
  SendMessageW(top, EM_SETSEL, 0, -1);
  const std::wstring typed = L"\u266B Now:";
  for (size_t n = 1; n <= typed.size(); ++n) {
    type_text(top, typed.substr(n - 1, 1));
    EXPECT_EQ(wide_from_utf8(cfg_top_text.text()), typed.substr(0, n));
  }
  SendMessageW(top, WM_CHAR, VK_BACK, 1);
  EXPECT_EQ(wide_from_utf8(cfg_top_text.text()), L"\u266B Now");
}

TEST_F(page, the_top_text_typed_is_kept_after_leaving_the_page_and_shown_on_reopening) {
  {
    open_page open;
    const HWND top = open.item(IDC_TOP_TEXT);
    SendMessageW(top, EM_SETSEL, 0, -1);
    type_text(top, L"\u266B Listening:");
  }
  EXPECT_EQ(wide_from_utf8(cfg_top_text.text()), L"\u266B Listening:");
  open_page reopened;
  EXPECT_EQ(window_text(reopened.item(IDC_TOP_TEXT)), L"\u266B Listening:");
}

TEST_F(page, check_boxes_are_stored_at_once_and_shown_on_reopening) {
  {
    open_page open;
    open.click(IDC_MUSIC_STATUS_ONLY);
    EXPECT_TRUE(cfg_music_status_only);
    open.click(IDC_KEEP_STATUS_PICTURE);
    EXPECT_TRUE(cfg_keep_status_picture);
    open.click(IDC_KEEP_TOP_TEXT);
    open.click(IDC_KEEP_TOP_TEXT);
    EXPECT_FALSE(cfg_keep_top_text);
  }
  open_page reopened;
  EXPECT_TRUE(reopened.checked(IDC_MUSIC_STATUS_ONLY));
  EXPECT_TRUE(reopened.checked(IDC_KEEP_STATUS_PICTURE));
  EXPECT_FALSE(reopened.checked(IDC_KEEP_TOP_TEXT));
}
