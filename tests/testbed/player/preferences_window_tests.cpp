// The player's preferences window opens beside the commands and closes by every way a person or a
// script has, with no window manager on the display.
#include <gtest/gtest.h>

#include "player_output.h"
#include "player_run.h"

namespace {

constexpr const wchar_t *frame_class = L"player_preferences";
const std::string opened = "player: preferences open until Esc, Close, the close box or 'prefs close'";
const std::string closed = "player: preferences closed";

// The player's lines about the window; the page's description (its GUIDs) is checked on its own.
std::vector<std::string> window_lines(const std::string &output) {
  std::vector<std::string> lines;
  for (const std::string &line : player_lines(output)) {
    if (line.rfind("player: Page ", 0) != 0) lines.push_back(line);
  }
  return lines;
}

// The first window of the class among the descendants of `parent`.
HWND descendant(HWND parent, const wchar_t *window_class) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (lstrcmpiW(name, window_class) == 0) return child;
    if (const HWND found = descendant(child, window_class)) return found;
  }
  return nullptr;
}

TEST(preferences_window, a_script_opens_and_closes_it_and_goes_on) {
  scratch_profile profile;
  const player_result run =
      run_player(profile, L"", "prefs\nprefs\nprefs close\nprefs close\nstatus\nquit\n");
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  EXPECT_TRUE(contains(run.output, "player: Page \"Tunesignal\"  {")) << run.output;
  EXPECT_EQ(window_lines(run.output),
            (std::vector<std::string>{opened, "player: the preferences are open already", closed,
                                      "player: the preferences are not open", "player: status: stopped",
                                      "player: menu [x] Enable Tunesignal"}))
      << run.output;
}

TEST(preferences_window, commands_go_on_while_it_is_open_and_the_end_of_the_script_closes_it) {
  scratch_profile profile;
  const player_result run = run_player(profile, L"", "prefs\nstatus\n");
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  EXPECT_EQ(window_lines(run.output),
            (std::vector<std::string>{opened, "player: status: stopped", "player: menu [x] Enable Tunesignal",
                                      closed}))
      << run.output;
}

// What the page stores, read back in a second opening: the commands reached the controls they name.
TEST(preferences_window, commands_set_the_pages_fields_and_press_its_buttons) {
  scratch_profile profile;
  const player_result run = run_player(profile, L"",
                                       "prefs\nprefs add %title%!\nprefs edit 4 $upper(%title%)\n"
                                       "prefs select 2\nprefs up\nprefs select 1\nprefs set-active\n"
                                       "prefs top \xD0\xA1\xD0\xBB\xD1\x83\xD1\x88\xD0\xB0\xD1\x8E\n"
                                       "prefs keep-top on\nprefs close\nprefs\nprefs show\nquit\n");
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  const std::string shown = run.output.substr(run.output.rfind("player> prefs show"));
  for (const char *line :
       {"player: active script: %artist% - %title%\n", " 1. %artist% - %title%\n", " 4. $upper(%title%)\n",
        "player: top text: \xD0\xA1\xD0\xBB\xD1\x83\xD1\x88\xD0\xB0\xD1\x8E\n",
        "player: [ ] music-only [ ] keep-picture [x] keep-top\n"}) {
    EXPECT_TRUE(contains(shown, line)) << line << "\n" << run.output;
  }
  EXPECT_FALSE(contains(shown, " 5. ")) << run.output;
}

TEST(preferences_window, a_person_closes_it_with_the_close_box_esc_or_the_close_button) {
  scratch_profile profile;
  player_session player(profile, L"");
  const auto open_window = [&]() -> HWND {
    player.type("prefs\n");
    return player.wait_for(opened) ? player.window(frame_class) : nullptr;
  };

  HWND frame = open_window();
  ASSERT_NE(frame, nullptr) << player.output();
  PostMessageW(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(player.wait_for(closed)) << "the close box:\n" << player.output();

  frame = open_window();
  ASSERT_NE(frame, nullptr) << player.output();
  // Esc where a person types: in an edit of the page.
  const HWND edit = descendant(frame, L"Edit");
  ASSERT_NE(edit, nullptr);
  PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
  ASSERT_TRUE(player.wait_for(closed)) << "Esc:\n" << player.output();

  frame = open_window();
  ASSERT_NE(frame, nullptr) << player.output();
  const HWND close = FindWindowExW(frame, nullptr, L"Button", L"Close");
  ASSERT_NE(close, nullptr);
  PostMessageW(close, BM_CLICK, 0, 0);
  ASSERT_TRUE(player.wait_for(closed)) << "the Close button:\n" << player.output();

  player.type("quit\n");
  EXPECT_EQ(player.finish(), 0u) << player.output();
}

}  // namespace
