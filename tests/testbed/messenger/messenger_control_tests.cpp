// The stand-in messenger's command line, used by hand and by scripts: it says why it cannot do
// what was asked. One messenger at a time on the desktop: this runs under the messenger lock.
#include <gtest/gtest.h>

#include "messenger_layout.h"
#include "messenger_standin.h"
#include "player_output.h"
#include "player_run.h"

namespace {

constexpr DWORD poll_ms = 50;
constexpr DWORD quit_limit_ms = 20000;

bool ends_within_limit(const messenger_standin &messenger) {
  for (DWORD waited = 0; waited < quit_limit_ms && messenger.running(); waited += poll_ms) Sleep(poll_ms);
  return !messenger.running();
}

TEST(messenger_control, says_when_no_messenger_is_running) {
  scratch_profile profile;
  for (const wchar_t *request : {L"quit", L"hang", L"resume", L"slow-open 0", L"ok"}) {
    SCOPED_TRACE(std::string(request, request + wcslen(request)));
    const player_result run = run_program(profile, L"messenger.exe", std::wstring(L"--control ") + request);
    EXPECT_EQ(run.exit_code, 2u);
    EXPECT_EQ(run.output, "messenger: no messenger is running\n");
  }
}

TEST(messenger_control, a_hanging_messenger_is_said_to_hang_and_quits_once_resumed) {
  messenger_standin messenger;
  ASSERT_TRUE(messenger.running());
  scratch_profile profile;
  EXPECT_EQ(run_program(profile, L"messenger.exe", L"--control hang").exit_code, 0u);
  const player_result unanswered = run_program(profile, L"messenger.exe", L"--control quit");
  EXPECT_EQ(unanswered.exit_code, 1u);
  EXPECT_EQ(unanswered.output,
            "messenger: the running messenger does not answer: it hangs (--control resume ends a hang)\n");
  EXPECT_TRUE(messenger.running());

  EXPECT_EQ(run_program(profile, L"messenger.exe", L"--control resume").exit_code, 0u);
  const player_result quit = run_program(profile, L"messenger.exe", L"--control quit");
  EXPECT_EQ(quit.exit_code, 0u) << quit.output;
  EXPECT_EQ(quit.output, "messenger: quit sent to process " + std::to_string(messenger.process_id()) +
                             " (the only messenger running)\n");
  EXPECT_TRUE(ends_within_limit(messenger));
}

using status_lines = std::vector<std::vector<std::string>>;

// A slow messenger holds its answer this long; a send that gives up after `short_wait_ms` finds it
// busy still. The gap is wide, so that a loaded machine does not close it.
constexpr DWORD hold_ms = 2000;
constexpr DWORD short_wait_ms = 500;
constexpr DWORD long_wait_ms = 30000;

bool answers_within(HWND window, UINT message, WPARAM w_param, LPARAM l_param, DWORD limit_ms) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(window, message, w_param, l_param, SMTO_NORMAL, limit_ms, &answer) != 0;
}

bool closes_within_limit(const messenger_standin &messenger) {
  for (DWORD waited = 0; waited < quit_limit_ms && messenger.dialog_on_screen(); waited += poll_ms)
    Sleep(poll_ms);
  return !messenger.dialog_on_screen();
}

TEST(messenger_control, a_slow_messenger_publishes_at_the_click_on_ok_and_answers_late) {
  messenger_standin messenger;
  messenger.user_types(11, L"Now Playing:", L"Kino");
  messenger.slow_apply(hold_ms);
  const messenger_layout layout = layout_of(messenger.status_form());
  ASSERT_NE(layout.status_panel, nullptr);
  // Idle now, so the click below is taken at once.
  ASSERT_TRUE(answers_within(layout.status_form, WM_NULL, 0, 0, long_wait_ms));

  EXPECT_FALSE(
      answers_within(layout.status_panel, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(1, 1), short_wait_ms));
  EXPECT_EQ(messenger.status_log(), (status_lines{{"11", "Now Playing:", "Kino"}}));
  EXPECT_FALSE(messenger.dialog_on_screen());
  EXPECT_FALSE(answers_within(layout.status_form, WM_NULL, 0, 0, short_wait_ms)) << "busy, not waiting";
  EXPECT_TRUE(answers_within(layout.status_form, WM_NULL, 0, 0, long_wait_ms));
}

TEST(messenger_control, a_slow_messenger_shows_the_dialog_at_a_programs_click_until_closed) {
  messenger_standin messenger;
  scratch_profile profile;
  ASSERT_EQ(
      run_program(profile, L"messenger.exe", L"--control slow-open " + std::to_wstring(hold_ms)).exit_code,
      0u);
  const messenger_layout layout = layout_of(messenger.status_form());
  RECT bar = {};
  ASSERT_TRUE(GetClientRect(layout.main_panel, &bar));
  const LPARAM spot = MAKELPARAM(bar.right - 15, 15);

  EXPECT_FALSE(answers_within(layout.main_panel, WM_LBUTTONUP, MK_LBUTTON, spot, short_wait_ms));
  EXPECT_TRUE(messenger.dialog_on_screen());
  EXPECT_TRUE(answers_within(layout.status_form, WM_NULL, 0, 0, long_wait_ms));
  EXPECT_TRUE(messenger.dialog_on_screen()) << "it stays until it is closed";
  EXPECT_TRUE(answers_within(layout.status_form, WM_SYSCOMMAND, SC_CLOSE, 0, long_wait_ms));
  EXPECT_TRUE(closes_within_limit(messenger));

  // Off again: a program's click makes the dialog's controls only.
  messenger.slow_open(0);
  EXPECT_TRUE(answers_within(layout.main_panel, WM_LBUTTONUP, MK_LBUTTON, spot, long_wait_ms));
  EXPECT_FALSE(messenger.dialog_on_screen());
}

TEST(messenger_control, slow_answers_take_milliseconds_from_0_to_an_hour) {
  scratch_profile profile;
  for (const wchar_t *request :
       {L"--control slow-apply", L"--control slow-open -1", L"--control slow-apply 3600001",
        L"--control slow-open 5s", L"--slow-apply x"}) {
    SCOPED_TRACE(std::string(request, request + wcslen(request)));
    const player_result run = run_program(profile, L"messenger.exe", request);
    EXPECT_EQ(run.exit_code, 2u);
    EXPECT_TRUE(contains(run.output, "takes milliseconds from 0 to 3600000\n")) << run.output;
  }
}

TEST(messenger_control, only_ok_publishes_what_was_typed_cancel_and_the_close_box_put_the_status_back) {
  messenger_standin messenger({L"--picture", L"3", L"--top", L"At work", L"--bottom", L"Busy"});
  messenger.user_types(11, L"Now Playing:", L"Kino");
  EXPECT_TRUE(messenger.dialog_on_screen());
  EXPECT_EQ(messenger.status_log(), status_lines{});

  messenger.user_cancels();
  EXPECT_FALSE(messenger.dialog_on_screen());
  messenger.user_presses_ok();
  messenger.user_types(7, L"Lunch", L"Back at two");
  messenger.user_closes_dialog();
  EXPECT_FALSE(messenger.dialog_on_screen());
  messenger.user_presses_ok();
  messenger.user_types(11, L"Now Playing:", L"Kino");
  messenger.user_presses_ok();
  EXPECT_FALSE(messenger.dialog_on_screen());
  EXPECT_EQ(
      messenger.status_log(),
      (status_lines{{"3", "At work", "Busy"}, {"3", "At work", "Busy"}, {"11", "Now Playing:", "Kino"}}));
  EXPECT_TRUE(messenger.messages().empty()) << "the user's actions are no other program's messages";
}

TEST(messenger_control, to_reaches_the_named_one_of_two_messengers) {
  messenger_standin one({L"--name", L"one"});
  messenger_standin two({L"--name", L"two", L"--edits", L"1", L"--no-picture-box"});
  scratch_profile profile;
  EXPECT_EQ(run_program(profile, L"messenger.exe", L"--control set 11 Top Kino --to two").exit_code, 0u);
  EXPECT_EQ(run_program(profile, L"messenger.exe", L"--to one --control type 5 Lunch Soon").exit_code, 0u);
  EXPECT_EQ(two.status_log(), (status_lines{{"-1", "", "Kino"}})) << "no picture box, no top edit";
  EXPECT_EQ(one.status_log(), status_lines{});
  EXPECT_TRUE(one.dialog_on_screen());
  EXPECT_FALSE(two.dialog_on_screen());

  const player_result nobody = run_program(profile, L"messenger.exe", L"--control ok --to three");
  EXPECT_EQ(nobody.exit_code, 2u);
  EXPECT_EQ(nobody.output, "messenger: no messenger named three is running\n");
}

// A person driving the messenger by hand acts on the one the component serves: the first from the
// top of the window order, where the component's search starts.
TEST(messenger_control, without_to_it_acts_on_the_messenger_the_component_finds_and_says_which) {
  messenger_standin one({L"--name", L"one"});
  messenger_standin two({L"--name", L"\u0434\u0432\u0430"});
  const HWND first = FindWindowExW(nullptr, nullptr, L"TCusForm", nullptr);
  ASSERT_TRUE(first == one.status_form() || first == two.status_form());
  const bool one_first = first == one.status_form();
  const messenger_standin &found = one_first ? one : two;
  scratch_profile profile;
  const player_result run = run_program(profile, L"messenger.exe", L"--control open");
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  EXPECT_TRUE(found.dialog_on_screen());
  EXPECT_FALSE((one_first ? two : one).dialog_on_screen());
  const std::string which = std::string(one_first ? "one" : "\xD0\xB4\xD0\xB2\xD0\xB0") + ", process " +
                            std::to_string(found.process_id());
  EXPECT_EQ(run.output, "messenger: open sent to " + which +
                            " (the first found of 2 running, as the component finds one; --to NAME picks "
                            "another)\n");
  // A messenger that quits takes its name along: the line is made before.
  const player_result quit = run_program(profile, L"messenger.exe", L"--control quit");
  EXPECT_TRUE(contains(quit.output, "messenger: quit sent to " + which + " (")) << quit.output;
  EXPECT_TRUE(ends_within_limit(found));
}

TEST(messenger_control, a_log_that_cannot_be_written_stops_the_start) {
  scratch_profile profile;
  struct unwritable {
    const wchar_t *option;
    const char *log;
    std::wstring path;
  };
  // A folder is no file to append to; neither is a file in a folder that does not exist.
  for (const unwritable &each :
       {unwritable{L"--status-log", "status", profile.folder()},
        unwritable{L"--message-log", "message", profile.file(L"missing\\messages.log")}}) {
    const player_result run =
        run_program(profile, L"messenger.exe", std::wstring(each.option) + L" \"" + each.path + L"\"");
    EXPECT_EQ(run.exit_code, 2u);
    const std::string said = std::string("messenger: cannot write the ") + each.log + " log " +
                             std::string(each.path.begin(), each.path.end()) + ": ";
    EXPECT_EQ(run.output.rfind(said, 0), 0u) << run.output;
  }
}

}  // namespace
