#include <gtest/gtest.h>

#include <string>

#include "messenger/status_dialog.h"
#include "messenger_windows_test.h"
#include "status_dialog_sequences.h"
#include "text_conversion.h"

namespace {

class status_dialog : public messenger_windows_test {
 protected:
  void SetUp() override {
    messenger_windows_test::SetUp();
    const HWND status_form = windows.top_level("status_form", L"TCusForm");
    bottom = windows.child("bottom_edit", status_form, L"TEdit", L"Reading the news");
    top = windows.child("top_edit", status_form, L"TEdit", L"At home");
    combo = windows.child("status_combo", status_form, L"TComboBox");
    for (int picture = 0; picture < 13; ++picture) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"picture"));
    }
    SendMessageW(combo, CB_SETCURSEL, 4, 0);
    apply = windows.child("status_panel", status_form, L"TPanel", L"OK");
    find_messenger_windows();
  }

  HWND bottom = nullptr;
  HWND top = nullptr;
  HWND combo = nullptr;
  HWND apply = nullptr;
};

TEST_F(status_dialog, reading_takes_each_text_without_asking_its_length_bottom_first_then_the_picture) {
  windows.start_recording();
  shown_status shown;
  EXPECT_EQ(read_status(shown), messenger_result::completed);

  // Room for the limit, two units more to see whether a cut would split a character, and the end.
  EXPECT_EQ(first_difference({{"bottom_edit", WM_GETTEXT, 4099, any},
                              {"top_edit", WM_GETTEXT, 4099, any},
                              {"status_combo", CB_GETCURSEL, 0, 0}},
                             windows.recorded),
            "");
  EXPECT_STREQ(shown.bottom.c_str(), L"Reading the news");
  EXPECT_STREQ(shown.top.c_str(), L"At home");
  EXPECT_EQ(shown.picture, 4);
}

TEST_F(status_dialog, a_long_text_is_read_whole_up_to_the_limit_and_cut_beyond_it_at_a_whole_character) {
  const std::wstring whole(4096, L'w');
  SetWindowTextW(bottom, whole.c_str());
  // An accent that would be cut off its letter, and a note whose halves the limit would part.
  SetWindowTextW(top, (std::wstring(4095, L'a') + L"e\u0301 and more").c_str());
  shown_status shown;
  ASSERT_EQ(read_status(shown), messenger_result::completed);
  EXPECT_EQ(std::wstring(shown.bottom.c_str()), whole);
  EXPECT_EQ(std::wstring(shown.top.c_str()), std::wstring(4095, L'a'));

  SetWindowTextW(bottom, std::wstring(5000, L'p').c_str());
  ASSERT_EQ(read_status(shown), messenger_result::completed);
  EXPECT_EQ(std::wstring(shown.bottom.c_str()), std::wstring(4096, L'p'))
      << "plain letters are cut at the limit";

  SetWindowTextW(bottom, (std::wstring(4095, L'b') + L"\U0001F3B5").c_str());
  ASSERT_EQ(read_status(shown), messenger_result::completed);
  EXPECT_EQ(std::wstring(shown.bottom.c_str()), std::wstring(4095, L'b'));
  EXPECT_TRUE(shown.cut);

  // One letter under more marks than the limit holds has no whole character to cut at: it is cut at
  // the limit, never to nothing.
  SetWindowTextW(bottom, (L"e" + std::wstring(5000, L'\u0301')).c_str());
  SetWindowTextW(top, L"At home");
  ASSERT_EQ(read_status(shown), messenger_result::completed);
  EXPECT_EQ(std::wstring(shown.bottom.c_str()), L"e" + std::wstring(4095, L'\u0301'));
}

TEST_F(status_dialog, no_selected_picture_reads_as_minus_one_and_selecting_it_clears_the_selection) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  shown_status shown;
  read_status(shown);
  EXPECT_EQ(shown.picture, -1);

  SendMessageW(combo, CB_SETCURSEL, 11, 0);
  windows.start_recording();
  EXPECT_EQ(select_picture(shown.picture, shown.picture), messenger_result::completed);

  EXPECT_EQ(first_difference({{"status_combo", CB_SETCURSEL, 0xFFFFFFFF, 0xFFFFFFFF}}, windows.recorded), "");
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(status_dialog, writing_selecting_and_applying_send_exactly_their_messages) {
  static const wchar_t track[] = L"Кино \u2014 Группа крови";
  static const wchar_t top_line[] = L"Now Playing:";
  windows.start_recording();
  EXPECT_EQ(select_picture(music_picture), messenger_result::completed);
  EXPECT_EQ(write_text(messenger_windows.bottom_edit, track), messenger_result::completed);
  EXPECT_EQ(write_text(messenger_windows.top_edit, top_line), messenger_result::completed);
  EXPECT_EQ(press_apply(), messenger_result::completed);
  EXPECT_EQ(release_apply(release_wait::answer), messenger_result::completed);

  EXPECT_EQ(first_difference(publishing(11, 0, utf8_from_wide(track), "Now Playing:"), windows.recorded), "");
  EXPECT_EQ(window_text(bottom), track);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 11);
}

TEST_F(status_dialog, names_each_control_it_lacks) {
  EXPECT_EQ(missing_status_controls(), 0u);
  messenger_window_table lacking = messenger_windows;
  lacking.top_edit = nullptr;
  EXPECT_EQ(missing_status_controls(lacking), 2u);
  lacking.status_combo = nullptr;
  lacking.status_panel = nullptr;
  EXPECT_EQ(missing_status_controls(lacking), 14u);
  lacking.bottom_edit = nullptr;
  EXPECT_EQ(missing_status_controls(lacking), 15u);
}

}  // namespace
