// The page and the announcement linked into one program, against a player made of plain objects
// and the stand-in messenger in a process of its own.
#include <gtest/gtest.h>

#include "announce/play_callback_qip.h"
#include "component/service_impl.h"
#include "fake_player.h"
#include "messenger_standin.h"
#include "page_driver.h"
#include "resources/resource.h"
#include "settings/config_variables.h"

TEST(set_active, the_next_announcement_publishes_the_preset_made_active_on_the_page) {
  bound_player player;
  cfg_enabled = true;
  cfg_presets.remove_all();
  cfg_presets.add("%title%");
  cfg_presets.add("%artist% \xE2\x99\xAB %title%");
  cfg_active_script.assign("%title%");
  cfg_top_text.assign("Now Playing:");
  messenger_standin messenger;
  ASSERT_TRUE(messenger.running());

  open_page open;
  open.select(1);
  open.click(IDC_SET_ACTIVE);
  fake_track song("Song", "Band");
  player.playback.playing = &song;
  song.service_add_ref();
  service_impl_single_t<play_callback_qip> events;
  events.on_playback_new_track(&song);

  // Picture, top text, bottom text.
  EXPECT_EQ(messenger.status_log(),
            (std::vector<std::vector<std::string>>{{"11", "Now Playing:", "Band \xE2\x99\xAB Song"}}));
}
