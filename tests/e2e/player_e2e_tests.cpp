#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listening_session.h"
#include "messenger_standin.h"

TEST(player_with_messenger, a_listening_session_shows_each_track_and_gives_the_status_back) {
  messenger_standin messenger(users_own_status_options);
  ASSERT_TRUE(messenger.running());
  scratch_profile profile;
  const player_result run = run_player(
      profile, sample_playlist(), "play 1\nnext\npause\nresume\nstop\nmenu\nplay 2\nmenu\nplay 3\nquit\n");
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{playing(kino), playing(kyu), users_own_status, playing(kyu),
                                 users_own_status,     // stop; switching off changes nothing
                                 playing(kyu),         // switched on while it plays
                                 playing(sigur),       // another track chosen
                                 users_own_status}));  // quit while it plays
  EXPECT_EQ(run.output.find("tunesignal:"), std::string::npos) << run.output;
}

TEST(player_with_messenger, quitting_while_a_track_plays_leaves_the_users_status_for_the_next_session) {
  messenger_standin messenger(users_own_status_options);
  scratch_profile profile;
  run_player(profile, sample_playlist(), "play 1\nquit\n");
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{playing(kino), users_own_status}));
  run_player(profile, sample_playlist(), "play 2\nstop\nquit\n");
  EXPECT_EQ(messenger.status_log().back(), users_own_status)
      << "the next session saved the user's status, not the track";
}

TEST(player_with_messenger, the_switch_stays_off_across_a_restart_of_the_player) {
  messenger_standin messenger(users_own_status_options);
  scratch_profile profile;
  run_player(profile, sample_playlist(), "menu\nquit\n");
  const player_result second = run_player(profile, sample_playlist(), "play 1\nstatus\nquit\n");
  EXPECT_NE(second.output.find("menu [ ] Enable Tunesignal"), std::string::npos) << second.output;
  EXPECT_TRUE(messenger.status_log().empty());
}

TEST(player_without_messenger, the_console_says_the_messenger_is_not_running) {
  scratch_profile profile;
  const player_result run = run_player(profile, sample_playlist(), "play 1\nstop\nquit\n");
  EXPECT_NE(run.output.find("tunesignal: QIP is not running! ^(\n"), std::string::npos) << run.output;
}
