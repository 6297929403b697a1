// The stand-in's decoys (--decoys) sit inside both of its forms, and discovery still finds the
// messenger's own windows among them. One messenger at a time on the desktop: this runs under the
// messenger lock.
#include <gtest/gtest.h>

#include "messenger_layout.h"
#include "messenger_standin.h"
#include "messenger/messenger_windows.h"

namespace {

TEST(messenger_decoys, sit_in_both_forms_and_discovery_passes_over_them) {
  const messenger_standin messenger({L"--decoys", L"200", L"--controls-at-start"},
                                    messenger_standin::logs::none);
  ASSERT_TRUE(messenger.running());
  const messenger_layout layout = layout_of(messenger.status_form());
  EXPECT_GE(layout.main_descendants, 100);
  EXPECT_GE(layout.status_descendants, 100);
  ASSERT_NE(layout.main_panel, nullptr);
  ASSERT_NE(layout.status_panel, nullptr);
  ASSERT_NE(layout.status_combo, nullptr);
  ASSERT_NE(layout.top_edit, layout.bottom_edit);

  reset_messenger_windows();
  EXPECT_EQ(find_messenger_windows(), messenger_result::completed);
  EXPECT_EQ(messenger_windows.main_form, layout.main_form);
  EXPECT_EQ(messenger_windows.main_panel, layout.main_panel);
  EXPECT_EQ(messenger_windows.status_form, layout.status_form);
  EXPECT_EQ(messenger_windows.status_panel, layout.status_panel);
  EXPECT_EQ(messenger_windows.status_combo, layout.status_combo);
  EXPECT_EQ(messenger_windows.bottom_edit, layout.bottom_edit);
  EXPECT_EQ(messenger_windows.top_edit, layout.top_edit);
  reset_messenger_windows();
}

}  // namespace
