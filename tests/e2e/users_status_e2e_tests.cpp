// The user's own status comes back exactly, through the shipped component in the stand-in player,
// whatever the user, the player and the messenger do meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listening_session.h"
#include "messenger_standin.h"
#include "program_folder.h"

namespace {

const fields busy = {"4", "Busy", "Do not call me"};

void user_sets(messenger_standin &messenger, const fields &status) {
  messenger.user_sets_status(std::stoi(status[0]), std::wstring(status[1].begin(), status[1].end()),
                             std::wstring(status[2].begin(), status[2].end()));
}

std::size_t count(const std::string &text, const std::string &part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace

class users_status : public ::testing::Test, protected listening_session {
 protected:
  // After one track and a hang: the user's status is back, and the hang was reported once.
  void expect_status_back_after_one_hang(const messenger_standin &messenger) {
    EXPECT_EQ(messenger.status_log(), (std::vector<fields>{playing(kino), users_own_status}));
    EXPECT_EQ(count(output(), "tunesignal: QIP is not responding"), 1u) << output();
  }
};

TEST_F(users_status, a_status_the_user_sets_while_a_track_shows_is_the_one_that_comes_back) {
  messenger_standin messenger(users_own_status_options);
  open_player();
  // The user picks the "Occupied" picture and leaves the track's texts: the picture is theirs now,
  // the texts still the component's.
  const fields occupied_at_work = {"4", "At work", "In a meeting"};
  struct ending {
    const char *what;
    std::vector<std::string> commands;
    std::vector<fields> published;
  };
  const ending endings[] = {
      {"stop", {"stop"}, {occupied_at_work}},
      {"pause", {"pause"}, {occupied_at_work}},
      {"the next track, then stop", {"next", "stop"}, {playing(kyu), occupied_at_work}},
      {"switching off", {"menu"}, {occupied_at_work}},
  };
  for (const ending &each : endings) {
    SCOPED_TRACE(each.what);
    does("play 1");
    messenger.user_sets_status(4, L"Now Playing:", std::wstring(kino_wide));
    const std::size_t before = messenger.status_log().size();
    for (const std::string &command : each.commands) does(command);
    EXPECT_EQ(messenger.status_log(before), each.published);
  }
  does("menu");
  does("play 1");
  messenger.user_sets_status(4, L"Now Playing:", std::wstring(kino_wide));
  std::size_t before = messenger.status_log().size();
  quit_player();
  EXPECT_EQ(messenger.status_log(before), std::vector<fields>{occupied_at_work}) << "quitting";

  // A whole status of the user's own is on display already: nothing needs publishing.
  open_player();
  does("play 1");
  user_sets(messenger, busy);
  before = messenger.status_log().size();
  does("stop");
  EXPECT_TRUE(messenger.status_log(before).empty());
  EXPECT_EQ(messenger.status_log().back(), busy);
}

TEST_F(users_status,
       the_track_left_on_display_by_a_hung_quit_or_a_killed_player_is_never_taken_for_the_users) {
  messenger_standin messenger(users_own_status_options);
  open_player();
  does("play 1");
  messenger.hang();
  quit_player();
  messenger.resume();

  // The next session finds the track still on display and puts the user's status back at its start.
  open_player();
  does("play 2");
  does("save");
  kill_player();
  open_player();
  does("play 3");
  does("stop");
  quit_player();
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{playing(kino), users_own_status, playing(kyu), users_own_status,
                                 playing(sigur), users_own_status}));
}

TEST_F(users_status, a_second_messenger_started_while_a_track_shows_leaves_the_first_one_served) {
  const fields reading = {"10", "At home", "Reading"};
  std::optional<messenger_standin> first(std::in_place, users_own_status_options);
  open_player();
  does("play 1");
  messenger_standin second({L"--picture", L"10", L"--top", L"At home", L"--bottom", L"Reading"});
  does("next");
  does("stop");
  EXPECT_EQ(first->status_log(), (std::vector<fields>{playing(kino), playing(kyu), users_own_status}));
  EXPECT_TRUE(second.status_log().empty());

  // Once the first one is gone, the second one is served, and gets its own user's status back.
  first.reset();
  does("play 3");
  does("stop");
  EXPECT_EQ(second.status_log(), (std::vector<fields>{playing(sigur), reading}));
}

TEST_F(users_status, a_put_back_the_messenger_answers_too_late_is_tried_again_until_it_lands) {
  messenger_standin messenger(users_own_status_options);
  open_player();
  does("play 1");
  // Longer than the one wait; the try after it, 3 s later, finds the messenger answering.
  messenger.hang(2200);
  does("stop");
  does("wait 4500");
  expect_status_back_after_one_hang(messenger);
}

TEST_F(users_status, a_hang_costs_the_player_one_wait_then_only_probes_and_the_latest_request_wins) {
  messenger_standin messenger(users_own_status_options);
  open_player();
  does("play 1");
  const std::size_t before = messenger.messages().size();
  messenger.hang();
  for (const char *command : {"next", "pause", "resume", "stop"}) does(command);
  messenger.resume();
  does("wait 4000");

  const std::vector<window_message> seen = messenger.messages();
  ASSERT_GT(seen.size(), before + 1);
  EXPECT_NE(seen[before].message, static_cast<unsigned>(WM_NULL)) << "the one message that was waited for";
  std::size_t probes = 0;
  for (std::size_t i = before + 1; i < seen.size() && seen[i].message == WM_NULL; ++i) ++probes;
  // Pause, resume and stop, and the try after the messenger answered again.
  EXPECT_EQ(probes, 4u);
  expect_status_back_after_one_hang(messenger);
}

TEST_F(users_status, the_users_typing_is_neither_overwritten_nor_taken_for_their_status) {
  messenger_standin messenger(users_own_status_options);
  open_player();
  does("play 1");
  messenger.user_types(4, L"Busy", L"Do not ca");
  does("next");
  EXPECT_TRUE(messenger.dialog_on_screen());
  EXPECT_EQ(messenger.status_log(), std::vector<fields>{playing(kino)});
  // Cancelled: the half-typed text goes, and the track waiting for the dialog is shown.
  messenger.user_cancels();
  does("wait 1500");
  does("stop");
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{playing(kino), playing(kyu), users_own_status}));

  // Typed to the end and applied: that is the user's status from now on.
  does("play 1");
  messenger.user_types(4, L"Busy", L"Do not call me");
  does("next");
  messenger.user_presses_ok();
  does("wait 1500");
  does("stop");
  EXPECT_EQ(messenger.status_log(3), (std::vector<fields>{playing(kino), busy, playing(kyu), busy}));
}

TEST_F(users_status, a_long_status_comes_back_whole) {
  std::wstring long_text;
  for (int i = 0; i < 1000; ++i) long_text += static_cast<wchar_t>(L'\u0430' + i % 32);
  messenger_standin messenger({L"--picture", L"3", L"--top", L"At work", L"--bottom", long_text});
  open_player();
  does("play 1");
  does("stop");
  ASSERT_EQ(messenger.status_log().size(), 2u);
  EXPECT_EQ(messenger.status_log()[1][2].size(), 2000u) << "a thousand Cyrillic letters, two bytes each";
}

TEST_F(users_status, a_dialog_missing_a_control_is_left_as_it_is_and_the_console_names_what_it_lacks) {
  const struct {
    std::vector<std::wstring> options;
    const char *lacks;
  } dialogs[] = {{{L"--no-picture-box"}, "lacks the picture box, so"},
                 {{L"--edits", L"1"}, "lacks the top line, so"},
                 {{L"--edits", L"1", L"--no-picture-box"}, "lacks the top line and the picture box, so"}};
  for (const auto &dialog : dialogs) {
    SCOPED_TRACE(dialog.lacks);
    messenger_standin messenger(dialog.options);
    open_player();
    does("play 1");
    does("stop");
    quit_player();
    EXPECT_TRUE(messenger.status_log().empty());
    EXPECT_NE(output().find(std::string("tunesignal: QIP's status dialog ") + dialog.lacks),
              std::string::npos)
        << output();
  }
}

// The component's own file keeps what a killed player owes; a damaged one is said, and the
// settings the host saved stand in for it.
TEST_F(users_status, a_player_killed_after_its_second_track_gives_the_status_back_at_its_next_start) {
  messenger_standin messenger(users_own_status_options);
  open_player();
  does("play 1");
  does("next");
  kill_player();
  open_player();
  does("play 3");
  does("save");
  kill_player();
  WIN32_FIND_DATAW found;
  FindClose(FindFirstFileW((profile().folder() + L"\\AppData\\Tunesignal-*").c_str(), &found));
  profile().write((std::wstring(L"AppData\\") + found.cFileName).c_str(), bytes{1, 2, 3});
  open_player();
  EXPECT_NE(output().find("tunesignal: its file in your application data folder is damaged"),
            std::string::npos);

  // Where the host saved a track as owed, and then nothing was, the file says so: the user's status
  // published since, the music picture with a text of their own, stays as they set it.
  does("play 1");
  does("save");
  does("stop");
  messenger.user_sets_status(11, L"At work", L"Back at two");
  kill_player();
  open_player();
  quit_player();
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{playing(kino),
                                                         playing(kyu),
                                                         users_own_status,
                                                         playing(sigur),
                                                         users_own_status,
                                                         playing(kino),
                                                         users_own_status,
                                                         {"11", "At work", "Back at two"}}));
}

// One installation has one file, whatever spelling of its path the player loads it from.
TEST_F(users_status, a_player_started_again_from_another_spelling_of_its_path_gives_the_status_back) {
  messenger_standin messenger(users_own_status_options);
  const std::wstring component = component_beside_program();
  wchar_t short_form[MAX_PATH] = {};
  GetShortPathNameW(component.c_str(), short_form, MAX_PATH);
  std::wstring shouted = component;
  CharUpperBuffW(shouted.data(), static_cast<DWORD>(shouted.size()));
  ASSERT_NE(std::wstring(short_form), component);
  open_player();
  does("play 1");
  kill_player();
  // The stand-in player keeps its settings by the component's file name as given: the short
  // spelling has settings of its own, and only the file tells it what is owed.
  open_player(sample_playlist() + L" \"" + short_form + L"\"");
  does("play 3");
  kill_player();
  open_player(sample_playlist() + L" \"" + shouted + L"\"");
  quit_player();
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{playing(kino), users_own_status, playing(sigur), users_own_status}));
}
