// Every press of the dialog's apply area reaches the user's contacts: through the shipped component,
// the messenger publishes only what changes, and only one clean line of track text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chain_bytes.h"
#include "listening_session.h"
#include "messenger_standin.h"

class quiet_publishing : public ::testing::Test, protected listening_session {};

TEST_F(quiet_publishing, picking_tracks_by_hand_publishes_each_once_with_no_flicker_between) {
  messenger_standin messenger(users_own_status_options);
  open_player();
  for (const char *command : {"play 1", "play 2", "play 3", "play 2", "play 1"}) does(command);
  does("wait 1500");
  does("stop");
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{playing(kino), playing(kyu), playing(sigur),
                                                         playing(kyu), playing(kino), users_own_status}));
}

TEST_F(quiet_publishing, nothing_already_on_display_is_published_again) {
  messenger_standin messenger(users_own_status_options);
  open_player();
  for (const char *command : {"menu", "menu", "menu", "menu"}) does(command);  // stopped
  EXPECT_TRUE(messenger.status_log().empty()) << "switching while stopped";
  does("play 1");
  does("pause");
  does("stop");  // after a pause
  does("menu");  // switched off while stopped
  does("menu");
  does("play 1");
  does("play 1");  // the same track again
  EXPECT_EQ(messenger.status_log(), (std::vector<fields>{playing(kino), users_own_status, playing(kino)}));
}

TEST_F(quiet_publishing, a_track_text_is_published_as_one_clean_line) {
  const std::string playlist =
      "{\"tracks\": [{\"path\": \"C:\\\\Music\\\\odd.flac\", \"tags\": {\"artist\": "
      "\"Line\\nBreak\\r\\nAgain\","
      " \"title\": \"Tab\\there\\u0007bell\\u2028end\\u0085\"}}]}";
  profile().write(L"odd.json", bytes(playlist.begin(), playlist.end()));
  messenger_standin messenger(users_own_status_options);
  open_player(L"--playlist \"" + profile().file(L"odd.json") + L"\"");
  does("play 1");
  EXPECT_EQ(messenger.status_log(), std::vector<fields>{playing("Line Break Again - Tab herebell end")});
}

TEST_F(quiet_publishing, a_stored_script_that_is_not_utf8_publishes_nothing_and_says_so) {
  using namespace chain_bytes;
  profile().write(L"foo_tunesignal.cfg", record(active_script, text("%title% \xC3")));
  messenger_standin messenger(users_own_status_options);
  open_player();
  does("play 1");
  EXPECT_TRUE(messenger.status_log().empty());
  EXPECT_NE(output().find("tunesignal: the active script is stored as text that is not valid UTF-8, so the "
                          "track is not shown and your own status stays on display"),
            std::string::npos)
      << output();
}
