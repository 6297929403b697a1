#include <gtest/gtest.h>

#include "page_fixture.h"

using preview = page_test;

namespace {

// What the preview shows as the editor opens on `script`, the only stored preset.
std::wstring preview_on_opening(const std::wstring &script) {
  store({script});
  open_page open;
  std::wstring shown = L"(no editor opened)";
  open.edit_entry(0, [&](HWND dialog) {
    shown = window_text(preview_edit(dialog));
    press_cancel(dialog);
  });
  return shown;
}

// Opens the editor on the only stored preset, lets `use` work in it, then cancels.
void in_editor(open_page &open, const std::function<void(HWND script, HWND output)> &use) {
  ASSERT_TRUE(open.edit_entry(0, [&](HWND dialog) {
    use(script_edit(dialog), preview_edit(dialog));
    press_cancel(dialog);
  }));
}

}  // namespace

TEST_F(preview, shows_the_playing_track_formatted_by_the_script_from_the_start) {
  fake_track song("Song");
  player.playback.playing = &song;
  EXPECT_EQ(preview_on_opening(L"[%title%]"), L"[Song]");
  EXPECT_EQ(song.references(), 1) << "the playing track is released";
}

TEST_F(preview, says_why_when_it_has_no_text_to_show) {
  EXPECT_EQ(preview_on_opening(L"%title%"), L"(nothing plays and no playlist entry is focused)");
  EXPECT_EQ(preview_on_opening(L"$(%title%"), L"(the script does not compile)");
  fake_track song("Song");
  player.playback.playing = &song;
  EXPECT_EQ(preview_on_opening(L"$(%title%"), L"(the script does not compile)");
  EXPECT_EQ(preview_on_opening(L""), L"(the script gives an empty text for this track)");
}

TEST_F(preview, follows_every_keystroke) {
  fake_track song("\u266B Song");
  player.playback.playing = &song;
  store({L""});
  open_page open;
  std::vector<std::wstring> shown;
  in_editor(open, [&](HWND script, HWND output) {
    for (const wchar_t c : std::wstring(L"%title%!")) {
      type_text(script, std::wstring(1, c));
      shown.push_back(window_text(output));
    }
  });
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"%", L"%t", L"%ti", L"%tit", L"%titl", L"%title",
                                              L"\u266B Song", L"\u266B Song!"}));
}

TEST_F(preview, formats_a_multi_line_script_as_typed_and_ok_stores_it_joined) {
  fake_track song("Song", "Band");
  player.playback.playing = &song;
  store({L""});
  open_page open;
  std::wstring shown;
  ASSERT_TRUE(open.edit_entry(0, [&](HWND dialog) {
    paste_text(script_edit(dialog), L"%artist%\r\n - %title%");
    shown = window_text(preview_edit(dialog));
    press_ok(dialog);
  }));
  EXPECT_EQ(shown, L"Band\r\n - Song");
  EXPECT_EQ(open.list(), (std::vector<std::wstring>{L"%artist% - %title%"}));
}

TEST_F(preview, says_so_when_the_script_stops_compiling) {
  fake_track song("Song");
  player.playback.playing = &song;
  store({L"%title%"});
  open_page open;
  std::wstring before;
  std::wstring after;
  in_editor(open, [&](HWND script, HWND output) {
    before = window_text(output);
    SendMessageW(script, EM_SETSEL, 0, -1);
    type_text(script, L"$(");
    after = window_text(output);
  });
  EXPECT_EQ(before, L"Song");
  EXPECT_EQ(after, L"(the script does not compile)");
}

TEST_F(preview, a_failing_player_service_is_reported_in_the_preview_and_on_the_console) {
  fake_track song("Song");
  player.playback.playing = &song;
  fake_playback second;
  store({L"%title%"});
  open_page open;
  std::wstring shown;
  in_editor(open, [&](HWND script, HWND output) {
    player.host.add(playback_control::class_guid, &second);
    type_text(script, L"!");
    shown = window_text(output);
  });
  EXPECT_EQ(shown, L"(the preview failed: the player's console says why)");
  ASSERT_FALSE(player.console.entries.empty());
  EXPECT_EQ(
      player.console.entries.back(),
      "tunesignal: the preset preview failed: Service duplicated; the preview says so and tries again at "
      "the next change");
  EXPECT_EQ(open.list(), (std::vector<std::wstring>{L"%title%"})) << "the page goes on working";
}
