#include <gtest/gtest.h>

#include "page_fixture.h"
#include "resources/resource.h"

using preview = page_test;

namespace {

// Opens the editor on the entry at `index`, lets `use` work in it, then cancels.
void in_editor(open_page &open, int index, const std::function<void(HWND script, HWND preview)> &use) {
  when_editor_opens([&](HWND dialog) {
    use(GetDlgItem(dialog, IDC_PRESET_SCRIPT), GetDlgItem(dialog, IDC_PRESET_PREVIEW));
    press_cancel(dialog);
  });
  open.select(index);
  open.double_click_selection();
  ASSERT_TRUE(editor_was_answered());
}

}  // namespace

TEST_F(preview, shows_the_playing_track_formatted_by_the_script_from_the_start) {
  fake_track song("Song");
  player.playback.playing = &song;
  store({L"[%title%]"});
  open_page open;
  std::wstring shown;
  in_editor(open, 0, [&](HWND, HWND preview_edit) { shown = window_text(preview_edit); });
  EXPECT_EQ(shown, L"[Song]");
  EXPECT_EQ(song.references(), 1) << "the playing track is released";
}

TEST_F(preview, follows_every_keystroke) {
  fake_track song("\u266B Song");
  player.playback.playing = &song;
  store({L""});
  open_page open;
  std::vector<std::wstring> shown;
  in_editor(open, 0, [&](HWND script, HWND preview_edit) {
    for (const wchar_t c : std::wstring(L"%title%!")) {
      type_text(script, std::wstring(1, c));
      shown.push_back(window_text(preview_edit));
    }
  });
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"%", L"%t", L"%ti", L"%tit", L"%titl", L"%title",
                                              L"\u266B Song", L"\u266B Song!"}));
}

TEST_F(preview, uses_the_focused_playlist_entry_when_nothing_plays) {
  fake_track focused("Focused");
  player.playlists.focus_on(&focused);
  store({L"%title%"});
  open_page open;
  std::wstring shown;
  in_editor(open, 0, [&](HWND, HWND preview_edit) { shown = window_text(preview_edit); });
  EXPECT_EQ(shown, L"Focused");
}

TEST_F(preview, is_empty_with_nothing_playing_and_nothing_focused) {
  store({L"%title%"});
  open_page open;
  std::wstring shown = L"unset";
  in_editor(open, 0, [&](HWND, HWND preview_edit) { shown = window_text(preview_edit); });
  EXPECT_EQ(shown, L"");
}

TEST_F(preview, empties_when_the_script_stops_compiling) {
  fake_track song("Song");
  player.playback.playing = &song;
  store({L"%title%"});
  open_page open;
  std::wstring before;
  std::wstring after;
  in_editor(open, 0, [&](HWND script, HWND preview_edit) {
    before = window_text(preview_edit);
    SendMessageW(script, EM_SETSEL, 0, -1);
    type_text(script, L"$(");
    after = window_text(preview_edit);
  });
  EXPECT_EQ(before, L"Song");
  EXPECT_EQ(after, L"");
}

TEST_F(preview, a_failing_player_service_empties_the_preview_and_is_reported_on_the_console) {
  fake_track song("Song");
  player.playback.playing = &song;
  fake_playback second;
  store({L"%title%"});
  open_page open;
  std::wstring shown;
  in_editor(open, 0, [&](HWND script, HWND preview_edit) {
    player.host.add(playback_control::class_guid, &second);
    type_text(script, L"!");
    shown = window_text(preview_edit);
  });
  EXPECT_EQ(shown, L"");
  ASSERT_FALSE(player.console.entries.empty());
  EXPECT_EQ(player.console.entries.back(), "tunesignal: the preset preview failed: Service duplicated");
  EXPECT_EQ(open.list(), (std::vector<std::wstring>{L"%title%"})) << "the page goes on working";
}
