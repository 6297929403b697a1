#include <gtest/gtest.h>

#include <vector>

#include "messenger/status_dialog.h"
#include "messenger_windows_test.h"
#include "passing_window_system.h"

namespace {

// Passes messages to the windows until the chosen one, which the messenger leaves unanswered.
class silent_messenger final : public passing_window_system {
 public:
  explicit silent_messenger(size_t unanswered) : unanswered_(unanswered) {}

  messenger_reply send(HWND target, UINT message, WPARAM w_param, LPARAM l_param, UINT) override {
    sent.push_back(message);
    if (sent.size() - 1 == unanswered_) {
      return {false, 0};
    }
    return {true, SendMessageW(target, message, w_param, l_param)};
  }

  std::vector<UINT> sent;

 private:
  size_t unanswered_;
};

class bounded_wait : public messenger_windows_test {
 protected:
  void SetUp() override {
    messenger_windows_test::SetUp();
    add_main_form();
    status_form = windows.top_level("status_form", L"TCusForm");
    windows.child("TEdit", status_form, L"TEdit", L"Reading the news");
    windows.child("TEdit", status_form, L"TEdit", L"At home");
    windows.child("TComboBox", status_form, L"TComboBox");
  }

  HWND status_form = nullptr;
};

TEST_F(bounded_wait, opening_stops_at_the_first_unanswered_click) {
  silent_messenger messenger(1);

  EXPECT_EQ(find_messenger_windows(), messenger_result::not_responding);

  EXPECT_EQ(messenger.sent, (std::vector<UINT>{WM_LBUTTONDBLCLK, WM_LBUTTONDBLCLK}));
}

TEST_F(bounded_wait, a_panel_that_does_not_tell_its_caption_ends_the_search_before_any_click) {
  windows.child("TPanel", status_form, L"TPanel", L"Cancel");
  windows.child("TPanel", status_form, L"TPanel", L"");
  silent_messenger messenger(0);

  EXPECT_EQ(find_messenger_windows(), messenger_result::not_responding);

  EXPECT_EQ(messenger.sent, (std::vector<UINT>{WM_GETTEXTLENGTH}));
}

TEST_F(bounded_wait, a_read_left_unanswered_keeps_what_was_read_before_whole) {
  windows.child("TPanel", status_form, L"TPanel", L"OK");
  find_messenger_windows();
  shown_status shown;
  shown.picture = 7;
  shown.bottom = pfc::wide_string(L"earlier bottom");
  shown.top = pfc::wide_string(L"earlier top");
  silent_messenger messenger(1);

  EXPECT_EQ(read_status(shown), messenger_result::not_responding);

  EXPECT_EQ(messenger.sent, (std::vector<UINT>{WM_GETTEXT, WM_GETTEXT}));
  EXPECT_STREQ(shown.bottom.c_str(), L"earlier bottom");
  EXPECT_STREQ(shown.top.c_str(), L"earlier top");
  EXPECT_EQ(shown.picture, 7);
}

TEST_F(bounded_wait, a_release_handed_over_without_waiting_costs_a_probe_and_is_not_known_published) {
  windows.child("TPanel", status_form, L"TPanel", L"OK");
  find_messenger_windows();
  silent_messenger messenger(0);

  EXPECT_EQ(release_apply(release_wait::none), messenger_result::not_responding)
      << "the release may still wait for the messenger";

  EXPECT_EQ(messenger.sent, (std::vector<UINT>{WM_NULL})) << "the release itself is not waited for";
}

TEST(window_channel, a_message_to_a_missing_window_is_lost_and_tells_that_the_window_is_gone) {
  const messenger_reply reply = send_to_messenger(nullptr, WM_GETTEXTLENGTH, 0, 0);
  EXPECT_FALSE(reply.answered);
  EXPECT_TRUE(reply.gone);
  EXPECT_EQ(result_of(reply), messenger_result::gone);
}

TEST(window_channel, only_a_time_out_reads_as_not_responding_and_a_refusal_keeps_its_reason) {
  EXPECT_EQ(result_of({false, 0, false, 0}), messenger_result::not_responding);
  EXPECT_EQ(result_of({false, 0, false, ERROR_ACCESS_DENIED}), messenger_result::refused);
  EXPECT_EQ(refusal_error(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(result_of({true, 7, false, 0}), messenger_result::completed);
}

}  // namespace
