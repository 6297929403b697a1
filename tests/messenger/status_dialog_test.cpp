#include <gtest/gtest.h>

#include <string>

#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"
#include "text_conversion.h"
#include "window_recorder.h"

namespace {

class status_dialog : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_messenger_windows();
    saved_status = {};
    const HWND status_form = windows.top_level("status_form", L"TCusForm");
    bottom = windows.child("bottom", status_form, L"TEdit", L"Reading the news");
    top = windows.child("top", status_form, L"TEdit", L"At home");
    combo = windows.child("combo", status_form, L"TComboBox");
    for (int picture = 0; picture < 13; ++picture) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"picture"));
    }
    SendMessageW(combo, CB_SETCURSEL, 4, 0);
    apply = windows.child("apply", status_form, L"TPanel", L"OK");
    find_messenger_windows();
  }
  void TearDown() override { reset_messenger_windows(); }

  std::wstring text_of(HWND edit) {
    wchar_t text[512] = {};
    GetWindowTextW(edit, text, 512);
    return text;
  }

  window_recorder windows;
  HWND bottom = nullptr;
  HWND top = nullptr;
  HWND combo = nullptr;
  HWND apply = nullptr;
};

TEST_F(status_dialog, saving_reads_bottom_then_top_text_then_the_picture) {
  windows.start_recording();
  EXPECT_EQ(save_status(), messenger_result::completed);

  EXPECT_EQ(first_difference({{"bottom", WM_GETTEXT, 255, any},
                              {"top", WM_GETTEXT, 255, any},
                              {"combo", CB_GETCURSEL, 0, 0}},
                             windows.recorded),
            "");

  EXPECT_EQ(std::wstring(saved_status.saved_bottom_text), L"Reading the news");
  EXPECT_EQ(std::wstring(saved_status.saved_top_text), L"At home");
  EXPECT_EQ(saved_status.saved_picture, 4);
}

TEST_F(status_dialog, a_text_of_300_characters_is_saved_as_its_first_254) {
  std::wstring long_text;
  for (int i = 0; i < 300; ++i) {
    long_text += static_cast<wchar_t>(L'a' + i % 26);
  }
  SetWindowTextW(bottom, long_text.c_str());

  save_status();

  EXPECT_EQ(std::wstring(saved_status.saved_bottom_text), long_text.substr(0, 254));
}

TEST_F(status_dialog, no_selected_picture_is_saved_as_minus_one_and_selecting_it_clears_the_selection) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  save_status();
  EXPECT_EQ(saved_status.saved_picture, -1);

  SendMessageW(combo, CB_SETCURSEL, 11, 0);
  windows.start_recording();
  EXPECT_EQ(select_picture(saved_status.saved_picture, saved_status.saved_picture),
            messenger_result::completed);

  EXPECT_EQ(first_difference({{"combo", CB_SETCURSEL, 0xFFFFFFFF, 0xFFFFFFFF}}, windows.recorded), "");
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(status_dialog, writing_selecting_and_applying_send_exactly_their_messages) {
  static const wchar_t track[] = L"Кино \u2014 Группа крови";
  static const wchar_t top_line[] = L"Now Playing:";
  windows.start_recording();
  EXPECT_EQ(select_picture(music_picture), messenger_result::completed);
  EXPECT_EQ(write_text(messenger_windows.bottom_edit, track), messenger_result::completed);
  EXPECT_EQ(write_text(messenger_windows.top_edit, top_line), messenger_result::completed);
  EXPECT_EQ(apply_status(), messenger_result::completed);

  EXPECT_EQ(first_difference({{"combo", CB_SETCURSEL, 11, 0},
                              {"bottom", WM_SETTEXT, 0, any, utf8_from_wide(track)},
                              {"top", WM_SETTEXT, 0, any, "Now Playing:"},
                              {"apply", WM_LBUTTONDOWN, MK_LBUTTON, 0x00010001},
                              {"apply", WM_LBUTTONUP, MK_LBUTTON, 0x00010001}},
                             windows.recorded),
            "");
  EXPECT_EQ(text_of(bottom), track);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 11);
}

TEST_F(status_dialog, saving_without_controls_keeps_the_texts_and_reads_picture_zero) {
  save_status();
  reset_messenger_windows();

  EXPECT_EQ(save_status(), messenger_result::completed);

  EXPECT_EQ(std::wstring(saved_status.saved_bottom_text), L"Reading the news");
  EXPECT_EQ(std::wstring(saved_status.saved_top_text), L"At home");
  EXPECT_EQ(saved_status.saved_picture, 0);
}

}  // namespace
