#include <gtest/gtest.h>

#include "announce/title_format.h"
#include "fake_player.h"
#include "host_access/service_exceptions.h"
#include "support/string8.h"

namespace {

class previewing : public ::testing::Test {
 protected:
  bound_player player;
  fake_track playing{"Gorod zolotoy", "Aquarium"};
  fake_track focused{"Osen", "DDT"};
  pfc::string8 out{"untouched"};
};

}  // namespace

TEST_F(previewing, shows_the_focused_playlist_item_when_nothing_plays) {
  player.playlists.items = {&playing, &focused};
  player.playlists.active = 3;
  player.playlists.focus = 1;
  EXPECT_TRUE(format_preview(L"%title%", out));
  EXPECT_STREQ(out.text(), "Osen");
  // The item of the active playlist, at the player's regular display level.
  EXPECT_EQ(player.playlists.formatted_playlist, 3u);
  EXPECT_EQ(player.playlists.formatted_item, 1u);
  EXPECT_EQ(player.playlists.formatted_display_level, 2);
}

TEST_F(previewing, answers_what_the_playing_track_answers) {
  player.playback.playing = &playing;
  playing.formats = false;
  EXPECT_FALSE(format_preview(L"%title%", out));
  EXPECT_EQ(playing.references(), 1) << "the playing track is released";
}

TEST_F(previewing, leaves_the_text_alone_without_a_playlist_a_focus_or_a_compiling_script) {
  EXPECT_FALSE(format_preview(L"%title%", out));
  player.playlists.active = 0;
  EXPECT_FALSE(format_preview(L"%title%", out));
  player.playback.playing = &playing;
  EXPECT_FALSE(format_preview(L"$(", out));
  EXPECT_STREQ(out.text(), "untouched");
}

TEST_F(previewing, lets_a_missing_service_reach_the_caller) {
  player.host.remove_all(playback_control::class_guid);
  EXPECT_THROW(format_preview(L"%title%", out), exception_service_not_found);
}

TEST(formatting_the_playing_track, formats_the_playing_track_whatever_handle_it_was_given) {
  bound_player player;
  fake_track playing{"Zvezda", "Kino"};
  fake_track other{"Track", "Other"};
  player.playback.playing = &playing;
  pfc::string8 out;
  other.service_add_ref();
  EXPECT_EQ(format_now_playing(&other, "%artist% - %title%", out), title_outcome::made);
  EXPECT_STREQ(out.text(), "Kino - Zvezda");
  EXPECT_EQ(other.references(), 1) << "the handle given was not released";
  EXPECT_EQ(playing.references(), 1) << "the playing track's handle was not released";
}

TEST(formatting_the_playing_track, reports_nothing_playing_as_a_failure_and_keeps_the_text) {
  bound_player player;
  pfc::string8 out("kept");
  EXPECT_EQ(format_now_playing(nullptr, "%title%", out), title_outcome::failed);
  EXPECT_STREQ(out.text(), "kept");
  EXPECT_TRUE(player.console.entries.empty());
}
