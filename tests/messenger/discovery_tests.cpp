#include <gtest/gtest.h>

#include <vector>

#include "messenger_windows_test.h"

namespace {

using discovery = messenger_windows_test;

// A table's windows in its order, to compare whole tables.
std::vector<HWND> windows_of(const messenger_window_table &table) {
  return {table.main_form,    table.main_panel,  table.status_form, table.status_panel,
          table.status_combo, table.bottom_edit, table.top_edit};
}

TEST_F(discovery, finds_the_main_form_its_last_panel_and_the_status_dialog_controls) {
  add_main_form();
  const HWND status_form = windows.top_level("status_form", L"TCusForm");
  const HWND bottom = windows.child("bottom", status_form, L"TEdit");
  const HWND top = windows.child("top", status_form, L"TEdit");
  const HWND combo = windows.child("combo", status_form, L"TComboBox");
  windows.child("TPanel", status_form, L"TPanel", L"Cancel");
  const HWND apply = windows.child("apply", status_form, L"TPanel", L"OK");

  EXPECT_EQ(find_messenger_windows(), messenger_result::completed);

  EXPECT_EQ(windows_of(messenger_windows),
            windows_of({main_form, main_panel, status_form, apply, combo, bottom, top}));
}

TEST_F(discovery, with_three_edits_the_top_edit_is_the_last_one) {
  const HWND status_form = windows.top_level("status_form", L"TCusForm");
  const HWND first = windows.child("first", status_form, L"TEdit");
  windows.child("TEdit", status_form, L"TEdit");
  const HWND third = windows.child("third", status_form, L"TEdit");
  windows.child("TPanel", status_form, L"TPanel", L"OK");

  find_messenger_windows();

  EXPECT_EQ(messenger_windows.bottom_edit, first);
  EXPECT_EQ(messenger_windows.top_edit, third);
}

TEST_F(discovery, only_a_caption_of_one_or_two_characters_makes_the_apply_panel) {
  const HWND status_form = windows.top_level("status_form", L"TCusForm");
  windows.child("TPanel", status_form, L"TPanel", L"");
  const HWND one = windows.child("one", status_form, L"TPanel", L"\u2713");
  const HWND two = windows.child("two", status_form, L"TPanel", L"OK");
  windows.child("TPanel", status_form, L"TPanel", L"Yes");
  windows.child("TPanel", status_form, L"TPanel", L"Cancel");

  find_messenger_windows();
  EXPECT_EQ(messenger_windows.status_panel, two) << "the last qualifying panel wins";

  SetWindowTextW(two, L"Apply");
  reset_messenger_windows();
  find_messenger_windows();
  EXPECT_EQ(messenger_windows.status_panel, one);
}

TEST_F(discovery, class_names_differing_only_in_case_are_not_the_messengers) {
  main_form = windows.top_level("main_form", L"TMainForm");
  windows.child("TPANEL", main_form, L"TPANEL");
  const HWND status_form = windows.top_level("status_form", L"TCusForm");
  windows.child("tedit", status_form, L"tedit");
  windows.child("TCombobox", status_form, L"TCombobox");
  windows.child("Tpanel", status_form, L"Tpanel", L"OK");

  find_messenger_windows();

  EXPECT_EQ(windows_of(messenger_windows),
            windows_of({main_form, nullptr, status_form, nullptr, nullptr, nullptr, nullptr}));
}

TEST_F(discovery, every_search_starts_afresh_and_keeps_to_the_same_messenger) {
  const HWND one = windows.top_level("one", L"TCusForm");
  windows.child("TPanel", one, L"TPanel", L"OK");
  const HWND other = windows.top_level("other", L"TCusForm");
  windows.child("TPanel", other, L"TPanel", L"OK");

  find_messenger_windows(GetCurrentProcessId());
  const HWND first_found = messenger_windows.status_form;
  find_messenger_windows(GetCurrentProcessId());

  EXPECT_TRUE(first_found == one || first_found == other);
  EXPECT_EQ(messenger_windows.status_form, first_found);
  EXPECT_EQ(status_dialog_process(), GetCurrentProcessId());
}

TEST_F(discovery, without_a_main_form_the_status_dialog_is_still_found) {
  const HWND status_form = windows.top_level("status_form", L"TCusForm");
  const HWND bottom = windows.child("bottom", status_form, L"TEdit");
  const HWND apply = windows.child("apply", status_form, L"TPanel", L"OK");

  EXPECT_EQ(find_messenger_windows(), messenger_result::completed);

  EXPECT_EQ(messenger_windows.main_form, nullptr);
  EXPECT_EQ(messenger_windows.main_panel, nullptr);
  EXPECT_EQ(messenger_windows.bottom_edit, bottom);
  EXPECT_EQ(messenger_windows.status_panel, apply);
}

TEST_F(discovery, a_status_form_is_found_even_hidden_and_unknown_to_the_table) {
  EXPECT_EQ(find_status_form(0), nullptr);
  const HWND status_form = windows.top_level("status_form", L"TCusForm");
  ASSERT_FALSE(IsWindowVisible(status_form));
  EXPECT_EQ(find_status_form(0), status_form);
  EXPECT_EQ(messenger_windows.status_form, nullptr);
}

}  // namespace
