#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger_standin.h"
#include "status_dialog_sequences.h"
#include "text_conversion.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"

namespace {

using fields = std::vector<std::string>;

const std::wstring home_text = L"Дома, 読書中";
const std::wstring guitar_text = L"\U0001F3B8 late-night practice";  // outside the basic plane
const std::wstring track_text = L"Кино \u2014 Звезда по имени Солнце \U0001F31E";

class against_the_standin : public ::testing::Test {
 protected:
  void SetUp() override { reset_messenger_windows(); }
  void TearDown() override { reset_messenger_windows(); }

  // Stops at the first message left unanswered, as the component does.
  static messenger_result announce(const std::wstring &top, const std::wstring &bottom,
                                   std::int32_t picture) {
    if (select_picture(picture) == messenger_result::completed &&
        write_text(messenger_windows.bottom_edit, bottom.c_str()) == messenger_result::completed &&
        write_text(messenger_windows.top_edit, top.c_str()) == messenger_result::completed &&
        press_apply() == messenger_result::completed) {
      return release_apply(release_wait::answer);
    }
    return messenger_result::not_responding;
  }
};

TEST_F(against_the_standin, opens_its_dialog_by_clicks_then_saves_announces_and_restores_across_processes) {
  messenger_standin messenger({L"--top", guitar_text, L"--bottom", home_text, L"--picture", L"3"});
  ASSERT_TRUE(messenger.running());
  const HWND status_form = FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr);
  ASSERT_EQ(FindWindowExW(status_form, nullptr, L"TEdit", nullptr), nullptr)
      << "dialog controls exist too early";

  ASSERT_EQ(find_messenger_windows(), messenger_result::completed);
  ASSERT_NE(messenger_windows.main_panel, nullptr);
  ASSERT_EQ(missing_status_controls(), 0u);

  RECT main_form = {};
  RECT main_panel = {};
  GetWindowRect(messenger_windows.main_form, &main_form);
  GetWindowRect(messenger_windows.main_panel, &main_panel);
  const std::uint32_t point = (15 << 16) | ((main_panel.right - main_form.left - 15) & 0xFFFF);
  // The clicks create the dialog's panels; the search that follows asks each for its caption length,
  // the second time only for a caption that is not empty.
  const messages search = {{"cancel_panel", WM_GETTEXTLENGTH, 0, 0},
                           {"cancel_panel", WM_GETTEXTLENGTH, 0, 0},
                           {"status_panel", WM_GETTEXTLENGTH, 0, 0},
                           {"status_panel", WM_GETTEXTLENGTH, 0, 0}};
  EXPECT_EQ(first_difference(joined({opening(point), search}), messenger.messages()), "");
  EXPECT_FALSE(IsWindowVisible(messenger_windows.status_form)) << "the dialog is closed again";

  shown_status users;
  ASSERT_EQ(read_status(users), messenger_result::completed);
  EXPECT_EQ(std::wstring(users.bottom.c_str()), home_text);
  EXPECT_EQ(std::wstring(users.top.c_str()), guitar_text);
  EXPECT_EQ(users.picture, 3);

  const std::size_t before_announcement = messenger.messages().size();
  ASSERT_EQ(announce(L"Now Playing:", track_text, music_picture), messenger_result::completed);
  std::vector<window_message> announcement = messenger.messages();
  announcement.erase(announcement.begin(), announcement.begin() + static_cast<long>(before_announcement));
  EXPECT_EQ(first_difference(publishing(11, 0, utf8_from_wide(track_text), "Now Playing:"), announcement),
            "");

  ASSERT_EQ(select_picture(users.picture, users.picture), messenger_result::completed);
  ASSERT_EQ(write_text(messenger_windows.bottom_edit, users.bottom.c_str()), messenger_result::completed);
  ASSERT_EQ(write_text(messenger_windows.top_edit, users.top.c_str()), messenger_result::completed);
  ASSERT_EQ(press_apply(), messenger_result::completed);
  ASSERT_EQ(release_apply(release_wait::answer), messenger_result::completed);

  const std::vector<fields> published = {
      {"11", "Now Playing:", utf8_from_wide(track_text)},
      {"3", utf8_from_wide(guitar_text), utf8_from_wide(home_text)},
  };
  EXPECT_EQ(messenger.status_log(), published);
}

TEST_F(against_the_standin, with_three_edits_and_no_main_window_the_last_edit_is_the_top_one) {
  messenger_standin messenger({L"--edits", L"3", L"--no-main-window", L"--controls-at-start"});
  ASSERT_TRUE(messenger.running());

  ASSERT_EQ(find_messenger_windows(), messenger_result::completed);
  EXPECT_EQ(messenger_windows.main_form, nullptr);
  EXPECT_EQ(first_difference({{"cancel_panel", WM_GETTEXTLENGTH, 0, 0},
                              {"cancel_panel", WM_GETTEXTLENGTH, 0, 0},
                              {"status_panel", WM_GETTEXTLENGTH, 0, 0},
                              {"status_panel", WM_GETTEXTLENGTH, 0, 0}},
                             messenger.messages()),
            "")
      << "no opening clicks";

  ASSERT_EQ(announce(L"Now Playing:", L"Aquarium \u2014 Train on Fire", music_picture),
            messenger_result::completed);
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{{"11", "Now Playing:", utf8_from_wide(L"Aquarium \u2014 Train on Fire")}}));
}

TEST_F(against_the_standin, a_long_text_is_read_whole_and_an_empty_picture_as_minus_one) {
  std::wstring long_text;
  for (int i = 0; i < 1000; ++i) {
    long_text += static_cast<wchar_t>(L'\u0430' + i % 32);
  }
  messenger_standin messenger({L"--bottom", long_text, L"--picture", L"-1", L"--controls-at-start"});
  ASSERT_TRUE(messenger.running());
  ASSERT_EQ(find_messenger_windows(), messenger_result::completed);

  shown_status users;
  ASSERT_EQ(read_status(users), messenger_result::completed);
  EXPECT_EQ(std::wstring(users.bottom.c_str()), long_text);
  EXPECT_EQ(users.picture, -1);

  ASSERT_EQ(select_picture(music_picture), messenger_result::completed);
  ASSERT_EQ(select_picture(users.picture, music_picture), messenger_result::completed);
  ASSERT_EQ(press_apply(), messenger_result::completed);
  ASSERT_EQ(release_apply(release_wait::answer), messenger_result::completed);
  ASSERT_EQ(messenger.status_log().size(), 1u);
  EXPECT_EQ(messenger.status_log()[0][0], "-1") << "the selection is cleared again";
}

TEST_F(against_the_standin, a_hung_messenger_is_reported_and_served_again_once_it_answers) {
  messenger_standin messenger({L"--controls-at-start"});
  ASSERT_TRUE(messenger.running());
  ASSERT_EQ(find_messenger_windows(), messenger_result::completed);

  messenger.hang();
  shown_status users;
  EXPECT_EQ(read_status(users), messenger_result::not_responding);
  EXPECT_EQ(announce(L"Now Playing:", L"Nautilus Pompilius \u2014 Wings", music_picture),
            messenger_result::not_responding);
  messenger.resume();

  // Messages left waiting during the hang are handled first; then the messenger answers again,
  // within a few of the channel's bounded waits.
  bool answering = false;
  for (int attempt = 0; attempt < 5 && !answering; ++attempt) {
    answering = send_to_messenger(messenger_windows.status_form, WM_NULL, 0, 0).answered;
  }
  ASSERT_TRUE(answering) << "the messenger answers again once resumed";
  EXPECT_TRUE(messenger.status_log().empty()) << "nothing was applied during the hang";
  ASSERT_EQ(read_status(users), messenger_result::completed);
  EXPECT_EQ(std::wstring(users.top.c_str()), L"At home");
  ASSERT_EQ(announce(L"Now Playing:", L"Nautilus Pompilius \u2014 Wings", music_picture),
            messenger_result::completed);
  EXPECT_EQ(
      messenger.status_log(),
      (std::vector<fields>{{"11", "Now Playing:", utf8_from_wide(L"Nautilus Pompilius \u2014 Wings")}}));
}

TEST_F(against_the_standin, a_resume_that_finds_nothing_hanging_does_not_cut_the_next_hang_short) {
  messenger_standin messenger({L"--controls-at-start"});
  ASSERT_TRUE(messenger.running());
  ASSERT_EQ(find_messenger_windows(), messenger_result::completed);

  // As scripts probe a starting messenger for readiness.
  messenger.resume();
  messenger.hang();
  shown_status users;
  EXPECT_EQ(read_status(users), messenger_result::not_responding);
  messenger.resume();
}

}  // namespace
