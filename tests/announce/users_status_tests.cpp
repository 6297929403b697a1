// The user's own status comes back exactly, however the music, the player and the messenger come
// and go.
#include <string>
#include <vector>

#include "announcing.h"
#include "messenger/messenger_windows.h"
#include "settings/config_variables.h"
#include "text_conversion.h"

namespace {

const std::string users_new_bottom = "\xD0\x9D\xD0\xB0 \xD0\xB4\xD0\xB0\xD1\x87\xD0\xB5";  // "На даче"
const fields users_new_status = {"10", "Weekend", users_new_bottom};

}  // namespace

TEST_F(announcing, quitting_the_player_while_a_track_plays_gives_the_status_back) {
  messenger_standin messenger(users_own_status_options);
  hooks.on_init();
  start(kino);
  hooks.on_quit();
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{{"11", "Now Playing:", kino_line}, users_own_status}));
  EXPECT_EQ(messenger_windows.status_form, nullptr) << "the windows are forgotten all the same";

  // Quitting with nothing on display leaves the messenger alone.
  hooks.on_quit();
  EXPECT_EQ(messenger.status_log().size(), 2u);
}

TEST_F(announcing, a_status_the_user_set_while_the_music_was_stopped_is_the_one_put_back) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  stop();
  messenger.user_sets_status(10, L"Weekend", wide_from_utf8(users_new_bottom));
  start(sigur);
  stop();
  EXPECT_EQ(messenger.status_log().back(), users_new_status);
}

TEST_F(announcing, switching_off_while_stopped_keeps_a_status_the_user_set_since) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  stop();
  messenger.user_sets_status(10, L"Weekend", wide_from_utf8(users_new_bottom));
  menu.execute(0, nullptr);
  EXPECT_EQ(messenger.status_log().back(), users_new_status);
}

TEST_F(announcing, keeping_the_picture_takes_a_picture_the_user_picks_while_playing_but_never_the_track) {
  cfg_keep_status_picture = true;
  messenger_standin messenger(users_own_status_options);
  start(kino);
  // The user picks another picture during the track; the texts on display are still the track's.
  SendMessageW(messenger_windows.status_combo, CB_SETCURSEL, 7, 0);
  start(sigur);
  stop();
  EXPECT_EQ(messenger.status_log().back(), (fields{"7", "At work", "In a meeting"}));
}

TEST_F(announcing, a_restarted_messenger_gets_its_own_users_status_back_not_the_first_ones) {
  {
    messenger_standin first(users_own_status_options);
    start(kino);
  }
  messenger_standin second({L"--picture", L"5", L"--top", L"Back", L"--bottom", L"Restarted"});
  start(sigur);
  stop();
  EXPECT_EQ(second.status_log(),
            (std::vector<fields>{{"11", "Now Playing:", sigur_line}, {"5", "Back", "Restarted"}}));
}

TEST_F(announcing, a_messenger_restarted_showing_the_track_gets_the_users_status_back_not_the_track) {
  {
    messenger_standin first(users_own_status_options);
    start(kino);
  }
  messenger_standin restarted(
      {L"--picture", L"11", L"--top", L"Now Playing:", L"--bottom", wide_from_utf8(kino_line)});
  stop();
  EXPECT_EQ(restarted.status_log(), std::vector<fields>{users_own_status});
}

TEST_F(announcing, a_huge_track_text_is_published_cut_and_the_messenger_lives_on) {
  // A megabyte of title, with a note straddling the cut at 4096 units.
  fake_track huge(std::string(4091, 'a') + "\xF0\x9F\x8E\xB5" + std::string(1 << 20, 'b'), "Z");
  messenger_standin messenger(users_own_status_options);
  start(huge);
  ASSERT_TRUE(messenger.running());
  ASSERT_EQ(messenger.status_log().size(), 1u);
  // "Z - " and 4091 letters make 4095 units; the note's two units would pass 4096.
  EXPECT_EQ(messenger.status_log()[0].at(2), "Z - " + std::string(4091, 'a'));

  // Plain letters have nothing to split: the text is cut at exactly 4096 units.
  fake_track plain(std::string(5000, 'p'), "Z");
  start(plain);
  ASSERT_EQ(messenger.status_log().size(), 2u);
  EXPECT_EQ(messenger.status_log()[1].at(2), "Z - " + std::string(4092, 'p'));
  stop();
  EXPECT_EQ(messenger.status_log().back(), users_own_status);
}
