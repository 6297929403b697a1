#include <gtest/gtest.h>

#include "messenger_windows_test.h"
#include "status_dialog_sequences.h"

namespace {

class opening_the_dialog : public messenger_windows_test {
 protected:
  void SetUp() override {
    messenger_windows_test::SetUp();
    add_main_form();
    status_form = windows.top_level("status_form", L"TCusForm");
    bottom = windows.child("bottom", status_form, L"TEdit");
    top = windows.child("top", status_form, L"TEdit");
  }

  HWND status_form = nullptr;
  HWND bottom = nullptr;
  HWND top = nullptr;
};

TEST_F(opening_the_dialog,
       clicks_the_status_spot_twice_double_then_press_and_release_then_closes_the_dialog) {
  windows.start_recording();
  EXPECT_EQ(find_messenger_windows(), messenger_result::completed);

  // x = 585, y = 15.
  EXPECT_EQ(first_difference(opening(0x000F0249), windows.recorded), "");
}

TEST_F(opening_the_dialog, the_dialog_opened_by_the_clicks_is_searched_again_at_once) {
  HWND apply = nullptr;
  windows.reaction = [&](HWND target, UINT message) {
    if (target == main_panel && message == WM_LBUTTONUP && apply == nullptr) {
      apply = windows.child("apply", status_form, L"TPanel", L"OK");
    }
  };

  windows.start_recording();
  find_messenger_windows();

  ASSERT_NE(apply, nullptr);
  EXPECT_EQ(messenger_windows.status_panel, apply);
  EXPECT_EQ(messenger_windows.bottom_edit, bottom);
  EXPECT_EQ(messenger_windows.top_edit, top) << "the second search gives every other edit to the top edit";
}

TEST_F(opening_the_dialog, an_apply_panel_already_there_means_no_clicks_and_a_single_search) {
  windows.child("apply", status_form, L"TPanel", L"OK");

  windows.start_recording();
  find_messenger_windows();

  // Each search asks the panel its caption length once per bound.
  EXPECT_EQ(first_difference({{"apply", WM_GETTEXTLENGTH, 0, 0}, {"apply", WM_GETTEXTLENGTH, 0, 0}},
                             windows.recorded),
            "");
}

TEST(opening_point, is_cut_to_sixteen_bits_below_a_fixed_height_of_fifteen) {
  EXPECT_EQ(opening_click_point({100, 0, 720, 400}, {100, 360, 700, 390}), 0x000F0249);
  EXPECT_EQ(opening_click_point({0, 0, 0, 0}, {0, 0, 0, 0}), 0x000FFFF1) << "x of -15 keeps its low word";
  EXPECT_EQ(opening_click_point({-70000, 0, 0, 0}, {0, 0, 15, 0}), 0x000F1170)
      << "x of 70000 keeps its low word";
}

}  // namespace
