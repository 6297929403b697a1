#include <string>
#include <vector>

#include "announce/status_keeper.h"
#include "announcing.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"
#include "settings/config_variables.h"

TEST_F(announcing, first_track_opens_the_dialog_saves_the_status_and_publishes_the_track) {
  messenger_standin messenger(users_own_status_options);
  ASSERT_TRUE(messenger.running());
  start(kino);
  EXPECT_EQ(first_difference(joined({opening, reading, publishing(11, 0, kino_line, "Now Playing:")}),
                             received(messenger)),
            "");
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{{"11", "Now Playing:", kino_line}}));
  EXPECT_TRUE(player.console.entries.empty());
  EXPECT_EQ(player.playback.last_display_level, 2);
}

TEST_F(announcing, every_publish_reads_the_dialog_first_and_stop_brings_back_the_users_status) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  start(sigur);
  stop();
  const messages seen = received(messenger);
  EXPECT_EQ(count_of(seen, reading[0]), 3u);
  const std::vector<fields> statuses = messenger.status_log();
  ASSERT_EQ(statuses.size(), 3u);
  EXPECT_EQ(statuses[1], (fields{"11", "Now Playing:", sigur_line}));
  EXPECT_EQ(statuses[2], users_own_status);
  // The stop reads the dialog, then writes the user's status back.
  EXPECT_EQ(first_difference(joined({reading, publishing(3, 3, "Busy until five", "At work")}),
                             messages(seen.end() - 8, seen.end())),
            "");
}

TEST_F(announcing, pause_restores_the_status_and_resume_announces_the_track_again) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  events().on_playback_pause(true);
  events().on_playback_pause(false);
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{
                {"11", "Now Playing:", kino_line}, users_own_status, {"11", "Now Playing:", kino_line}}));
}

TEST_F(announcing, keeping_the_status_picture_keeps_the_users_picture) {
  cfg_keep_status_picture = true;
  messenger_standin messenger(users_own_status_options);
  start(kino);
  start(sigur);
  stop();
  // The first track's texts are not taken for the user's.
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{{"3", "Now Playing:", kino_line},
                                                         {"3", "Now Playing:", sigur_line},
                                                         users_own_status}));
}

TEST_F(announcing, music_status_only_announces_only_after_a_stop_that_showed_the_music_picture) {
  cfg_music_status_only = true;
  messenger_standin messenger(users_own_status_options);
  start(kino);
  EXPECT_TRUE(messenger.status_log().empty()) << "announced although no stop showed the music picture";
  EXPECT_EQ(count_of(received(messenger), reading[0]), 1u) << "the dialog is read all the same";

  stop();
  EXPECT_EQ(picture_at_last_stop(), 3);
  EXPECT_EQ(count_of(received(messenger), {"status_combo", CB_SETCURSEL, 3, 11}), 1u);
  start(kino);
  EXPECT_EQ(messenger.status_log().size(), 1u) << "a stop on another picture blocks the announcements";

  SendMessageW(messenger_windows.status_combo, CB_SETCURSEL, music_picture, 0);
  stop();
  EXPECT_EQ(picture_at_last_stop(), 11);
  start(sigur);
  EXPECT_EQ(messenger.status_log().back(), (fields{"11", "Now Playing:", sigur_line}));
}

TEST_F(announcing, keeping_the_first_edit_writes_the_users_top_line_back) {
  cfg_keep_first_edit = true;
  messenger_standin messenger(users_own_status_options);
  start(kino);
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{{"11", "At work", kino_line}}));
}

TEST_F(announcing, the_menu_switch_restores_once_when_off_and_looks_for_the_messenger_when_on) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  menu.execute(0, nullptr);
  EXPECT_FALSE(cfg_enabled);
  EXPECT_EQ(messenger_windows.status_form, nullptr);
  start(sigur);
  stop();
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{{"11", "Now Playing:", kino_line}, users_own_status}));

  menu.execute(0, nullptr);
  EXPECT_TRUE(cfg_enabled);
  EXPECT_NE(messenger_windows.status_form, nullptr);
  start(sigur);
  EXPECT_EQ(messenger.status_log().back(), (fields{"11", "Now Playing:", sigur_line}));
}

TEST_F(announcing, without_a_running_messenger_nothing_is_sent_and_nothing_false_is_saved) {
  start(kino);
  stop();
  EXPECT_EQ(player.console.entries, (std::vector<std::string>{"tunesignal: QIP is not running! ^("}));
  EXPECT_FALSE(cfg_kept_status.value.anything_to_put_back());

  // Once the messenger is there, a restore puts back the user's real status, not empty texts.
  messenger_standin messenger(users_own_status_options);
  stop();
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{users_own_status}));
  EXPECT_EQ(count_of(received(messenger), {"status_combo", CB_SETCURSEL, 3, 3}), 1u) << "the picture just saved, twice";
}

TEST_F(announcing, an_empty_track_is_reported_after_the_dialog_is_read) {
  messenger_standin messenger(users_own_status_options);
  events().on_playback_new_track(nullptr);
  EXPECT_EQ(player.console.entries, (std::vector<std::string>{"tunesignal: Track is empty! What a pity:(("}));
  EXPECT_EQ(first_difference(joined({opening, reading}), received(messenger)), "");
}

TEST_F(announcing, a_script_that_does_not_compile_sends_an_empty_bottom_text) {
  cfg_active_script.assign("%artist% $(");
  messenger_standin messenger(users_own_status_options);
  start(kino);
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{{"11", "Now Playing:", ""}}));
  EXPECT_TRUE(player.console.entries.empty());
}

TEST_F(announcing, a_missing_host_service_is_reported_on_the_console_and_the_announcement_goes_on) {
  player.host.remove_all(titleformat_compiler::class_guid);
  messenger_standin messenger(users_own_status_options);
  start(kino);
  const std::string entry = "Exception occurred while getting the title:\nService not found";
  EXPECT_EQ(player.console.entries, (std::vector<std::string>{entry, entry}));
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{{"11", "", ""}}));
}

TEST_F(announcing, titles_outside_the_basic_plane_reach_the_messenger_intact) {
  fake_track party{"Dance \xF0\x9F\x92\x83 Tonight", "The \xF0\x9F\x8E\xB5 Band"};
  messenger_standin messenger(users_own_status_options);
  start(party);
  EXPECT_EQ(messenger.status_log().back().at(2),
            "The \xF0\x9F\x8E\xB5 Band - Dance \xF0\x9F\x92\x83 Tonight");
}

TEST_F(announcing, a_hung_messenger_is_reported_and_the_next_track_works_once_it_answers) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  messenger.hang();
  start(sigur);
  EXPECT_EQ(player.console.entries, (std::vector<std::string>{"tunesignal: QIP is not responding"}));
  messenger.resume();
  start(kino);
  EXPECT_EQ(messenger.status_log().back(), (fields{"11", "Now Playing:", kino_line}));
}

TEST_F(announcing, an_error_inside_an_event_is_reported_and_stays_out_of_the_player) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  events().on_playback_pause(true);
  player.host.remove_all(playback_control::class_guid);
  EXPECT_NO_THROW(events().on_playback_pause(false));
  EXPECT_EQ(player.console.entries,
            (std::vector<std::string>{"tunesignal: the announcement failed: Service not found"}));
}

TEST_F(announcing, switching_off_while_the_messenger_hangs_puts_the_status_back_when_switched_on) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  messenger.hang();
  menu.execute(0, nullptr);
  EXPECT_FALSE(cfg_enabled);
  EXPECT_TRUE(cfg_kept_status.value.anything_to_put_back()) << "the track may still be on display";

  messenger.resume();
  menu.execute(0, nullptr);
  EXPECT_EQ(messenger.status_log().back(), users_own_status);
  EXPECT_FALSE(cfg_kept_status.value.anything_to_put_back());
}
