#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger_standin.h"
#include "player_run.h"
#include "program_folder.h"

namespace {

using fields = std::vector<std::string>;

const std::vector<std::wstring> users_own_status = {L"--picture", L"3",        L"--top",
                                                    L"At work",   L"--bottom", L"In a meeting"};
const fields at_work = {"3", "At work", "In a meeting"};

std::wstring sample_playlist() { return L"--playlist \"" + program_folder() + L"samples\\evening.json\""; }

fields playing(const std::string &line) { return {"11", "Now Playing:", line}; }

const std::string kino =
    "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE - [\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0 "
    "\xD0\xBA\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB8 #01] \xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0 "
    "\xD0\xBA\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB8 [4:47]";
const std::string kyu =
    "\xE5\x9D\x82\xE6\x9C\xAC\xE4\xB9\x9D - \xE4\xB8\x8A\xE3\x82\x92\xE5\x90\x91\xE3\x81\x84\xE3\x81\xA6"
    "\xE6\xAD\xA9\xE3\x81\x93\xE3\x81\x86 [3:05]";
const std::string sigur = "Sigur R\xC3\xB3s - [\xC3\x81g\xC3\xA6tis byrjun #02] Svefn-g-englar [3:24]";

}  // namespace

TEST(player_with_messenger, a_listening_session_shows_each_track_and_gives_the_status_back) {
  messenger_standin messenger(users_own_status);
  ASSERT_TRUE(messenger.running());
  scratch_profile profile;
  const player_result run = run_player(
      profile, sample_playlist(), "play 1\nnext\npause\nresume\nstop\nmenu\nplay 2\nmenu\nplay 3\nquit\n");
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{playing(kino), playing(kyu), at_work, playing(kyu),
                                                         at_work,  // stop
                                                         at_work,  // switched off
                                                         at_work,  // another track chosen: stopped first
                                                         playing(sigur),
                                                         at_work}));  // quit while it plays
  EXPECT_EQ(run.output.find("tunesignal:"), std::string::npos) << run.output;
}

TEST(player_with_messenger, quitting_while_a_track_plays_leaves_the_users_status_for_the_next_session) {
  messenger_standin messenger(users_own_status);
  scratch_profile profile;
  run_player(profile, sample_playlist(), "play 1\nquit\n");
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{playing(kino), at_work}));
  run_player(profile, sample_playlist(), "play 2\nstop\nquit\n");
  EXPECT_EQ(messenger.status_log().back(), at_work) << "the next session saved the user's status, not the track";
}

TEST(player_with_messenger, the_switch_stays_off_across_a_restart_of_the_player) {
  messenger_standin messenger(users_own_status);
  scratch_profile profile;
  run_player(profile, sample_playlist(), "menu\nquit\n");
  const player_result second = run_player(profile, sample_playlist(), "play 1\nstatus\nquit\n");
  EXPECT_NE(second.output.find("menu [ ] Enable Tunesignal"), std::string::npos) << second.output;
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{at_work}));
}

TEST(player_without_messenger, the_console_says_the_messenger_is_not_running) {
  scratch_profile profile;
  const player_result run = run_player(profile, sample_playlist(), "play 1\nstop\nquit\n");
  EXPECT_NE(run.output.find("tunesignal: QIP is not running! ^(\n"), std::string::npos) << run.output;
}
