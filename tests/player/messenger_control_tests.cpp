// The stand-in messenger's command line, used by hand and by scripts: it says why it cannot do
// what was asked. One messenger at a time on the desktop: this runs under the messenger lock.
#include <gtest/gtest.h>

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
  for (const wchar_t *request : {L"quit", L"hang", L"resume"}) {
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
  EXPECT_EQ(quit.output, "");
  EXPECT_TRUE(ends_within_limit(messenger));
}

TEST(messenger_control, a_log_that_cannot_be_written_stops_the_start) {
  scratch_profile profile;
  // A folder is no file to append to; neither is a file in a folder that does not exist.
  const std::wstring folder = profile.folder();
  const player_result status = run_program(profile, L"messenger.exe", L"--status-log \"" + folder + L"\"");
  EXPECT_EQ(status.exit_code, 2u);
  EXPECT_EQ(
      status.output.rfind(
          "messenger: cannot write the status log " + std::string(folder.begin(), folder.end()) + ": ", 0),
      0u)
      << status.output;

  const std::wstring nowhere = profile.file(L"missing\\messages.log");
  const player_result messages =
      run_program(profile, L"messenger.exe", L"--message-log \"" + nowhere + L"\"");
  EXPECT_EQ(messages.exit_code, 2u);
  EXPECT_EQ(
      messages.output.rfind(
          "messenger: cannot write the message log " + std::string(nowhere.begin(), nowhere.end()) + ": ", 0),
      0u)
      << messages.output;
}

}  // namespace
