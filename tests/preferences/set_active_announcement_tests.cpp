// The page and the announcement linked into one program, against a player made of plain objects
// and the stand-in messenger in a process of its own: what the user changes on the page while a
// track plays reaches the messenger.
#include <gtest/gtest.h>

#include "announce/playback_events.h"
#include "users_status/status_keeper.h"
#include "component/service_impl.h"
#include "fake_player.h"
#include "messenger_standin.h"
#include "page_driver.h"
#include "resources/resource.h"
#include "settings/config_variables.h"
#include "settings_reset.h"

using published = std::vector<std::vector<std::string>>;

class page_while_playing : public ::testing::Test {
 protected:
  page_while_playing() {
    reset_status_keeper();
    reset_settings();
    cfg_presets.add("%title%");
    cfg_presets.add("%artist% \xE2\x99\xAB %title%");
    cfg_active_script.assign("%title%");
    player.playback.playing = &song;
    song.service_add_ref();
    events.on_playback_new_track(&song);
  }
  ~page_while_playing() override { reset_status_keeper(); }

  bound_player player;
  messenger_standin messenger{users_own_status_options};
  service_impl_single_t<playback_events> events;
  fake_track song{"Song", "Band"};
  // Picture, top text, bottom text.
  const std::vector<std::string> playing = {"11", "Now Playing:", "Song"};
};

TEST_F(page_while_playing, set_active_publishes_the_preset_made_active_at_once) {
  open_page open;
  open.select(1);
  open.click(IDC_SET_ACTIVE);
  EXPECT_EQ(messenger.status_log(), (published{playing, {"11", "Now Playing:", "Band \xE2\x99\xAB Song"}}));
}

TEST_F(page_while_playing, a_check_box_publishes_its_change_at_once) {
  open_page open;
  open.click(IDC_KEEP_TOP_TEXT);
  EXPECT_EQ(messenger.status_log(), (published{playing, {"11", "At work", "Song"}}));
}

TEST_F(page_while_playing, the_top_line_typed_is_published_once_when_the_page_closes) {
  open_page open;
  const HWND top = open.item(IDC_TOP_TEXT);
  SendMessageW(top, EM_SETSEL, 0, -1);
  type_text(top, L"Listening:");
  EXPECT_EQ(messenger.status_log(), published{playing}) << "nothing at each keystroke";
  open.close();
  EXPECT_EQ(messenger.status_log(), (published{playing, {"11", "Listening:", "Song"}}));
}
