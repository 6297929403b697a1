// The playing track's text changes while it plays, by a stream's next title or an edit of its tags:
// through the shipped component, the contacts see each new text once, and a text that did not
// change costs the messenger no message at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listening_session.h"
#include "messenger_standin.h"

class track_text_changes : public ::testing::Test, protected listening_session {};

// The station's own tags show around the title playing now. The titles are short, yet long enough
// for the test to take its count of messages between two of them.
TEST_F(track_text_changes, a_stream_shows_each_new_title_once_and_its_end_gives_the_status_back) {
  const std::string playlist =
      R"({"tracks": [{"path": "http://radio.example/live", "tags": {"artist": "Night FM"},
      "stream": [{"title": "Song A", "seconds": 0.6}, {"title": "Song B", "seconds": 0.6},
                 {"title": "Song B", "seconds": 0.6}, {"title": "Song C", "seconds": 0.6}]}]})";
  profile().write(L"radio.json", bytes(playlist.begin(), playlist.end()));
  messenger_standin messenger(users_own_status_options);
  open_player(L"--playlist \"" + profile().file(L"radio.json") + L"\"");
  does("play 1");
  hears("player: stream title: Song B\n");
  does("echo the first Song B is shown");
  const std::size_t before_repeat = messenger.messages().size();
  hears("player: stream title: Song B\n");
  does("echo the second Song B is told");
  EXPECT_EQ(messenger.messages().size(), before_repeat) << "a title the same as the last one";
  hears("player: stopped at the end of the playlist\n");
  does("echo stopped");
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{playing("Night FM - Song A"), playing("Night FM - Song B"),
                                 playing("Night FM - Song C"), users_own_status}));
}

TEST_F(track_text_changes, an_edit_of_the_playing_tracks_tags_publishes_the_new_text_once) {
  messenger_standin messenger(users_own_status_options);
  open_player();
  does("play 3");
  const std::size_t before_edits = messenger.messages().size();
  does("tag genre Post-rock");  // not in the script
  EXPECT_EQ(messenger.messages().size(), before_edits) << "an edit that leaves the text as it was";
  does("tag title Star\xC3\xA1lfur");
  does("stop");
  EXPECT_EQ(messenger.status_log(),
            (std::vector<fields>{
                playing(sigur),
                playing("Sigur R\xC3\xB3s - [\xC3\x81g\xC3\xA6tis byrjun #02] Star\xC3\xA1lfur [3:24]"),
                users_own_status}));
}
