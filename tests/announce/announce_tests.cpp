#include <string>
#include <vector>

#include "announce/announcement.h"
#include "users_status/status_keeper.h"
#include "announcing.h"
#include "messenger/messenger_windows.h"
#include "messenger/status_dialog.h"
#include "settings/config_variables.h"

TEST_F(announcing, first_track_opens_the_dialog_saves_the_status_and_publishes_the_track) {
  messenger_standin messenger(users_own_status_options);
  ASSERT_TRUE(messenger.running());
  start(kino);
  EXPECT_EQ(
      first_difference(joined({probe, opening(), reading, publishing(11, 0, kino_line, "Now Playing:")}),
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
  EXPECT_EQ(first_difference(joined({reading, publishing(3, 3, "In a meeting", "At work")}),
                             messages(seen.end() - 8, seen.end())),
            "");
}

TEST_F(announcing, while_the_windows_stay_the_same_a_track_costs_eight_messages_and_a_repeated_one_three) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  std::size_t before = messenger.messages().size();
  start(sigur);
  // Every message, the length questions included: three reads and five writes.
  const messages seen = messenger.messages();
  EXPECT_EQ(first_difference(joined({reading, publishing(11, 0, sigur_line, "Now Playing:")}),
                             messages(seen.begin() + static_cast<std::ptrdiff_t>(before), seen.end())),
            "");
  before = messenger.messages().size();
  start(sigur);
  EXPECT_EQ(messenger.messages().size() - before, reading.size());
}

TEST_F(announcing, a_stop_for_another_track_that_does_not_come_puts_the_status_back_within_a_moment) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  events().on_playback_stop(2);
  EXPECT_EQ(messenger.status_log().size(), 1u) << "the next track is waited for";
  let_time_pass(1000);
  EXPECT_EQ(messenger.status_log().back(), users_own_status);
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
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{
                {"3", "Now Playing:", kino_line}, {"3", "Now Playing:", sigur_line}, users_own_status}));
}

TEST_F(announcing, switching_keep_the_status_picture_while_a_track_shows_swaps_only_the_picture) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  cfg_keep_status_picture = true;
  show_settings_change();
  cfg_keep_status_picture = false;
  show_settings_change();
  stop();
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{{"11", "Now Playing:", kino_line},
                                                         {"3", "Now Playing:", kino_line},
                                                         {"11", "Now Playing:", kino_line},
                                                         users_own_status}));
}

TEST_F(announcing, music_status_only_follows_the_users_own_picture) {
  cfg_music_status_only = true;
  messenger_standin messenger(users_own_status_options);
  start(kino);
  EXPECT_TRUE(messenger.status_log().empty()) << "announced over a picture that is not the music one";

  messenger.user_sets_status(11, L"Listening", L"Music on");
  start(sigur);
  stop();
  EXPECT_EQ(messenger.status_log(1),
            (std::vector<fields>{{"11", "Now Playing:", sigur_line}, {"11", "Listening", "Music on"}}));
  EXPECT_EQ(count_of(received(messenger), {"status_combo", CB_SETCURSEL, 11, 11}), 1u)
      << "a stop's picture message carries the music picture";

  // The user picks another picture while the track shows: the next track leaves their status alone.
  start(kino);
  messenger.user_sets_status(4, L"Listening", L"Music on");
  start(sigur);
  EXPECT_EQ(messenger.status_log().back(), (fields{"4", "Listening", "Music on"}));
  EXPECT_EQ(messenger.status_log().size(), 5u);
}

TEST_F(announcing, keeping_the_top_text_writes_the_users_top_line_back) {
  cfg_keep_top_text = true;
  messenger_standin messenger(users_own_status_options);
  start(kino);
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{{"11", "At work", kino_line}}));
}

TEST_F(announcing, the_menu_switch_restores_once_when_off_and_shows_the_track_again_when_on) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  menu.execute(0, nullptr);
  EXPECT_FALSE(cfg_enabled);
  start(sigur);
  stop();
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{{"11", "Now Playing:", kino_line}, users_own_status}));

  menu.execute(0, nullptr);
  EXPECT_TRUE(cfg_enabled);
  start(sigur);
  EXPECT_EQ(messenger.status_log().back(), (fields{"11", "Now Playing:", sigur_line}));
}

TEST_F(announcing, without_a_running_messenger_nothing_is_sent_and_nothing_false_is_saved) {
  start(kino);
  stop();
  EXPECT_EQ(player.console.entries, (std::vector<std::string>{"tunesignal: QIP is not running! ^("}));
  EXPECT_FALSE(cfg_owed_status.has_record());

  // Once the messenger is there, a stop with nothing of the component's on display leaves it alone.
  messenger_standin messenger(users_own_status_options);
  stop();
  EXPECT_TRUE(messenger.status_log().empty());
  EXPECT_EQ(count_of(received(messenger), {"status_combo", CB_SETCURSEL, any, any}), 0u);
}

TEST_F(announcing, an_empty_track_is_reported_after_the_dialog_is_read) {
  messenger_standin messenger(users_own_status_options);
  events().on_playback_new_track(nullptr);
  EXPECT_EQ(player.console.entries, (std::vector<std::string>{"tunesignal: Track is empty! What a pity:(("}));
  EXPECT_EQ(first_difference(joined({probe, opening(), reading}), received(messenger)), "");
}

TEST_F(announcing, a_track_whose_text_comes_out_blank_is_not_published_and_the_console_says_why) {
  const std::string stays = ", so the track is not shown and your own status stays on display";
  struct blank {
    const char *script;
    std::string said;
  };
  const blank blanks[] = {
      {"", "tunesignal: the active script \"\" gives an empty text for this track" + stays},
      {"   ", "tunesignal: the active script \"   \" gives an empty text for this track" + stays},
      {"%artist% $(", "tunesignal: the active script \"%artist% $(\" does not compile" + stays +
                          "; mend it on the preferences page"},
      {"%title% \xC3", "tunesignal: the active script is stored as text that is not valid UTF-8" + stays +
                           "; choose a script on the preferences page"},
  };
  messenger_standin messenger(users_own_status_options);
  start(kino);
  for (const blank &each : blanks) {
    SCOPED_TRACE(each.script);
    player.console.entries.clear();
    cfg_active_script.assign(each.script);
    start(sigur);
    EXPECT_EQ(player.console.entries, std::vector<std::string>{each.said});
    EXPECT_EQ(messenger.status_log().back(), users_own_status) << "the track before is taken back";
  }
  EXPECT_EQ(messenger.status_log().size(), 2u);
}

TEST_F(announcing, a_missing_host_service_is_reported_on_the_console_and_nothing_blank_is_published) {
  player.host.remove_all(titleformat_compiler::class_guid);
  messenger_standin messenger(users_own_status_options);
  start(kino);
  EXPECT_EQ(
      player.console.entries,
      (std::vector<std::string>{
          "Exception occurred while getting the title:\nService not found",
          "tunesignal: the active script \"%artist% - %title%\" could not be formatted for this track, so "
          "the track is not shown and your own status stays on display"}));
  EXPECT_TRUE(messenger.status_log().empty());
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
  ASSERT_EQ(player.console.entries.size(), 1u);
  EXPECT_EQ(player.console.entries[0].rfind("tunesignal: QIP is not responding in time", 0), 0u);
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
            (std::vector<std::string>{"tunesignal: the announcement failed: Service not found; the status "
                                      "stays as it is until the next track"}));
}

TEST_F(announcing, switching_off_while_the_messenger_hangs_puts_the_status_back_when_switched_on) {
  messenger_standin messenger(users_own_status_options);
  start(kino);
  messenger.hang();
  menu.execute(0, nullptr);
  EXPECT_FALSE(cfg_enabled);
  EXPECT_TRUE(cfg_owed_status.has_record()) << "the track may still be on display";

  messenger.resume();
  stop();
  menu.execute(0, nullptr);
  EXPECT_EQ(messenger.status_log().back(), users_own_status);
  EXPECT_FALSE(cfg_owed_status.has_record());
}
