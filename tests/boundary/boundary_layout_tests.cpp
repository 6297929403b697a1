// The boundary declarations against the slot numbers both sides rely on: an object implementing
// each interface is called by number and must land in the operation of that number.
#include <gtest/gtest.h>

#include "boundary/boundary.h"
#include "host_service_bases.h"
#include "slot_call.h"
#include "support/string8.h"

namespace {

// Records which operation a call reached.
template <typename I>
class probe : public I {
 public:
  int service_release() override { return reached = 0; }
  int service_add_ref() override { return reached = 1; }
  bool service_query(service_base **, const GUID &) override { return (reached = 2) != 0; }
  int reached = -1;
};

class playback_probe : public probe<playback_control_base> {
 public:
  bool get_now_playing(track **) override { return (reached = 3) != 0; }
  bool is_playing() override { return (reached = 6) != 0; }
  bool format_playing_title(void *, pfc::string_base &, titleformat_object *, void *, int level) override {
    reached = 20;
    return level == 2;
  }
};

class playlist_probe : public probe<playlist_manager_base> {
 public:
  t_size get_active_playlist() override { return reached = 4; }
  t_size get_focus_item(t_size playlist) override { return reached = 13 + playlist; }
  void format_item_title(t_size, t_size item, void *, pfc::string_base &, titleformat_object *, void *,
                         int) override {
    reached = 28 + item;
  }
};

class play_callback_probe : public probe<play_callback_static> {
 public:
  unsigned get_flags() override { return reached = 3; }
  void on_playback_starting(int, bool) override { second = 0; }
  void on_playback_new_track(track *) override { second = 1; }
  void on_playback_stop(int) override { second = 2; }
  void on_playback_seek(double) override { second = 3; }
  void on_playback_pause(bool) override { second = 4; }
  void on_playback_edited(track *) override { second = 5; }
  void on_playback_dynamic_info(const void *) override { second = 6; }
  void on_playback_dynamic_info_track(const void *) override { second = 7; }
  void on_playback_time(double) override { second = 8; }
  void on_volume_change(float) override { second = 9; }
  int second = -1;
};

class menu_probe : public probe<mainmenu_commands> {
 public:
  t_uint32 get_command_count() override { return reached = 3; }
  GUID *get_command(GUID *result, t_uint32) override {
    *result = GUID{static_cast<unsigned>(reached = 4), 0, 0, {}};
    return result;
  }
  void get_name(t_uint32, pfc::string_base &) override { reached = 5; }
  bool get_description(t_uint32, pfc::string_base &) override { return (reached = 6) != 0; }
  GUID *get_parent(GUID *result) override {
    *result = GUID{static_cast<unsigned>(reached = 7), 0, 0, {}};
    return result;
  }
  t_uint32 get_sort_priority() override { return reached = 8; }
  bool get_display(t_uint32, pfc::string_base &, t_uint32 &flags) override {
    flags = 2;
    return (reached = 9) != 0;
  }
  void execute(t_uint32 index, service_base *) override { reached = 10 + static_cast<int>(index); }
};

TEST(boundary_layout, playback_control_and_playlist_manager_keep_their_slot_numbers) {
  playback_probe playback;
  pfc::string8 out;
  EXPECT_TRUE(call_slot<bool>(&playback, 6));
  EXPECT_EQ(playback.reached, 6);
  EXPECT_TRUE(
      call_slot<bool>(&playback, 20, nullptr, static_cast<pfc::string_base *>(&out), nullptr, nullptr, 2));
  EXPECT_EQ(playback.reached, 20);

  playlist_probe playlist;
  EXPECT_EQ(call_slot<t_size>(&playlist, 4), 4u);
  EXPECT_EQ(call_slot<t_size>(&playlist, 13, t_size{1}), 14u);
  call_slot<void>(&playlist, 28, t_size{0}, t_size{2}, nullptr, static_cast<pfc::string_base *>(&out),
                  nullptr, nullptr, 2);
  EXPECT_EQ(playlist.reached, 30);
}

TEST(boundary_layout, play_callback_table_sits_at_the_second_pointer) {
  play_callback_probe callback;
  auto *second_table = reinterpret_cast<char *>(&callback) + sizeof(void *);
  EXPECT_EQ(static_cast<void *>(static_cast<play_callback *>(&callback)), static_cast<void *>(second_table));
  EXPECT_EQ(call_slot<unsigned>(&callback, 3), 3u);
  call_slot<void>(second_table, 1, static_cast<track *>(nullptr));
  EXPECT_EQ(callback.second, 1);
  call_slot<void>(second_table, 4, true);
  EXPECT_EQ(callback.second, 4);
  call_slot<void>(second_table, 9, 0.5f);
  EXPECT_EQ(callback.second, 9);
}

TEST(boundary_layout, main_menu_commands_keep_their_slot_numbers) {
  menu_probe menu;
  pfc::string8 out;
  t_uint32 flags = 0;
  EXPECT_TRUE(call_slot<bool>(&menu, 9, t_uint32{0}, static_cast<pfc::string_base *>(&out), &flags));
  EXPECT_EQ(flags, 2u);
  EXPECT_EQ(call_slot<t_uint32>(&menu, 8), 8u);
  call_slot<void>(&menu, 10, t_uint32{1}, static_cast<service_base *>(nullptr));
  EXPECT_EQ(menu.reached, 11);
  // A GUID comes back through the caller's buffer, passed before the index; EAX holds its address.
  GUID guid = {};
  EXPECT_EQ(call_slot<GUID *>(&menu, 4, &guid, t_uint32{0}), &guid);
  EXPECT_EQ(guid.Data1, 4u);
  EXPECT_EQ(call_slot<GUID *>(&menu, 7, &guid), &guid);
  EXPECT_EQ(guid.Data1, 7u);
}

TEST(boundary_layout, factory_record_is_twelve_bytes_and_strings_keep_their_slots) {
  EXPECT_EQ(sizeof(service_factory_base), 3 * sizeof(void *));
  // The host writes into the component's strings by these slot numbers.
  pfc::string8 text;
  call_slot<void>(&text, 2, "Now ", pfc::infinite_size);
  call_slot<void>(&text, 0, "Playing: xyz", t_size{8});
  EXPECT_STREQ(call_slot<const char *>(&text, 1), "Now Playing:");
  EXPECT_EQ(call_slot<t_size>(&text, 4), 12u);
  call_slot<void>(&text, 3, t_size{3});
  EXPECT_STREQ(text.text(), "Now");
  char *room = call_slot<char *>(&text, 5, t_size{5});
  room[0] = 'Q';
  room[1] = 'I';
  room[2] = 'P';
  call_slot<void>(&text, 6);
  EXPECT_STREQ(text.text(), "QIP");
  EXPECT_EQ(text.length(), 3u);
}

}  // namespace
