#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chain_bytes.h"
#include "host_streams.h"
#include "settings/config_variables.h"
#include "boundary/stream_errors.h"
#include "settings_reset.h"

using namespace chain_bytes;

namespace {

bytes save_now() {
  collected_bytes_stream out;
  abort_flag go_on;
  cfg_var_writer::save_chain(out, go_on);
  return bytes(out.data(), out.data() + out.size());
}

// The settings as the library's start-up left them, saved before any test touches them.
class settings_at_load : public ::testing::Environment {
 public:
  void SetUp() override { chain = save_now(); }
  static inline bytes chain;
};

[[maybe_unused]] ::testing::Environment *const at_load =
    ::testing::AddGlobalTestEnvironment(new settings_at_load);

class stored_chain : public ::testing::Test {
 protected:
  void SetUp() override { reset_settings(); }
  void TearDown() override { reset_settings(); }

  static void load(const bytes &data) {
    stored_bytes_stream in(data.data(), static_cast<t_size>(data.size()));
    cfg_var_reader::load_chain(in, abort);
  }

  static bytes save() { return save_now(); }

  static std::string preset(t_size i) { return cfg_presets.get_item(i).text(); }

  static inline abort_flag abort;
};

const std::string default_script =
    "[%artist% - ]$if(%album%,'['%album% $if(%tracknumber%,'#'%tracknumber%,)'] ',)"
    "$if(%title%,%title%,%_filename%)[ '['%length%']']";

bytes default_chain() {
  return cat({record(presets, u32(0)), record(keep_first_edit, {0}), record(keep_status_picture, {0}),
              record(music_status_only, {0}), record(top_text, text("Now Playing:")),
              record(active_script, text(default_script)), record(enabled, {1})});
}

TEST_F(stored_chain, settings_start_with_their_defaults_and_the_test_reset_gives_those_back) {
  EXPECT_EQ(settings_at_load::chain, default_chain()) << "as the library's start-up left them";
  EXPECT_EQ(save(), settings_at_load::chain) << "as reset_settings() leaves them";
  EXPECT_EQ(default_presets[0], default_script);
  EXPECT_STREQ(default_presets[1], "%artist% - %title%");
  EXPECT_STREQ(default_presets[2], "%artist% - %title% (%album%)");
}

TEST_F(stored_chain, of_the_defaults_is_seven_records_newest_variable_first) {
  const bytes saved = save();
  EXPECT_EQ(saved, default_chain());
  EXPECT_EQ(saved.size(), 7u * 20 + 4 + 1 + 1 + 1 + 12 + 127 + 1);
}

TEST_F(stored_chain, an_empty_stream_keeps_every_default) {
  load({});
  EXPECT_EQ(save(), default_chain());
}

TEST_F(stored_chain, round_trip_restores_values_and_saves_identical_bytes) {
  cfg_enabled = false;
  cfg_active_script.assign("%title%");
  cfg_top_text.assign("");
  cfg_music_status_only = true;
  cfg_keep_status_picture = true;
  cfg_keep_first_edit = true;
  cfg_presets.add("%artist%");
  cfg_presets.add("");
  cfg_presets.add("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");
  const bytes first = save();

  reset_settings();
  load(first);
  EXPECT_FALSE(cfg_enabled);
  EXPECT_STREQ(cfg_active_script.text(), "%title%");
  EXPECT_STREQ(cfg_top_text.text(), "");
  EXPECT_TRUE(cfg_music_status_only && cfg_keep_status_picture && cfg_keep_first_edit);
  ASSERT_EQ(cfg_presets.count(), 3u);
  EXPECT_EQ(preset(0), "%artist%");
  EXPECT_EQ(preset(1), "");
  EXPECT_EQ(preset(2), "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");
  EXPECT_EQ(save(), first);
}

TEST_F(stored_chain, records_load_in_any_order_and_unfamiliar_ones_are_skipped) {
  load(cat({record(top_text, text("Listening:")), record(unfamiliar, text("from an old version")),
            record(enabled, {0})}));
  EXPECT_STREQ(cfg_top_text.text(), "Listening:");
  EXPECT_FALSE(cfg_enabled);
}

TEST_F(stored_chain, switch_records_of_odd_sizes) {
  // Empty: keeps the default. Three bytes: the first counts, the rest is skipped. Byte 2: true, and
  // stored back as it came.
  load(cat({record(enabled, {}), record(keep_first_edit, {1, 0, 0}), record(music_status_only, {2}),
            record(top_text, text("next"))}));
  EXPECT_TRUE(cfg_enabled);
  EXPECT_TRUE(cfg_keep_first_edit);
  EXPECT_TRUE(cfg_music_status_only);
  EXPECT_STREQ(cfg_top_text.text(), "next");

  const bytes saved = save();
  const bytes stored_true = record(music_status_only, {2});
  EXPECT_NE(std::search(saved.begin(), saved.end(), stored_true.begin(), stored_true.end()), saved.end());
}

TEST_F(stored_chain, string_records_keep_every_byte_whatever_their_size) {
  load(record(top_text, {}));
  EXPECT_STREQ(cfg_top_text.text(), "");

  for (std::size_t size : {1u, 255u, 256u, 257u, 512u, 1000u}) {
    const std::string value(size, 'x');
    load(cat({record(active_script, text(value)), record(keep_first_edit, {1})}));
    EXPECT_EQ(std::string(cfg_active_script.text()), value) << size;
    EXPECT_TRUE(cfg_keep_first_edit) << size;
    cfg_keep_first_edit = false;
  }
}

TEST_F(stored_chain, list_loads_append_to_what_it_holds) {
  cfg_presets.add("kept");
  load(record(presets, list_payload({"a", "b"})));
  ASSERT_EQ(cfg_presets.count(), 3u);
  EXPECT_EQ(preset(0), "kept");
  EXPECT_EQ(preset(2), "b");
}

TEST_F(stored_chain, a_list_grown_far_past_its_first_block_keeps_every_entry_through_save_and_load) {
  // 200 KiB of entries added one by one, then a stored list of 300 KiB loaded after them: the block
  // moves several times on the way and is read in several pieces.
  std::vector<std::string> expected;
  for (int i = 0; i < 2000; ++i) {
    expected.push_back(std::string(90 + i % 20, static_cast<char>('a' + i % 26)) + std::to_string(i));
    cfg_presets.add(expected.back().c_str());
  }
  std::vector<std::string> stored;
  bytes payload = u32(3000);
  for (int i = 0; i < 3000; ++i) {
    stored.push_back("stored " + std::to_string(i) + std::string(i % 150, '#'));
    const bytes length = u32(static_cast<std::uint32_t>(stored.back().size()));
    payload.insert(payload.end(), length.begin(), length.end());
    payload.insert(payload.end(), stored.back().begin(), stored.back().end());
  }
  load(record(presets, payload));
  expected.insert(expected.end(), stored.begin(), stored.end());

  const bytes saved = save();
  reset_settings();
  load(saved);
  ASSERT_EQ(cfg_presets.count(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    ASSERT_EQ(preset(static_cast<t_size>(i)), expected[i]) << i;
  EXPECT_EQ(save(), saved);
}

TEST_F(stored_chain, list_with_fewer_entries_than_its_count_keeps_the_complete_ones) {
  bytes payload = list_payload({"one", "two"});
  payload[0] = 3;
  load(cat({record(presets, payload), record(enabled, {0})}));
  ASSERT_EQ(cfg_presets.count(), 2u);
  EXPECT_EQ(preset(0), "one");
  EXPECT_EQ(preset(1), "two");
  EXPECT_FALSE(cfg_enabled);
}

TEST_F(stored_chain, list_entry_claiming_more_than_its_record_ends_only_that_record) {
  for (std::uint32_t claimed : {0xFFFFFFFFu, 0x7FFFFFF0u, 6u}) {
    reset_settings();
    const bytes payload = cat({u32(3), u32(4), text("good"), u32(claimed), text("short")});
    load(cat({record(presets, payload), record(top_text, text("after")), record(enabled, {0})}));
    ASSERT_EQ(cfg_presets.count(), 1u) << claimed;
    EXPECT_EQ(preset(0), "good");
    EXPECT_STREQ(cfg_top_text.text(), "after") << claimed;
    EXPECT_FALSE(cfg_enabled) << claimed;
  }
}

TEST_F(stored_chain, list_record_overstating_its_size_fails_without_a_large_allocation) {
  // The record claims far more than the stream holds; its entry fits the claim. The load must
  // fail on the missing bytes, keeping what came before, not reserve the claimed size first. The
  // largest claim, after entries the list already holds, reaches past what 32 bits count.
  for (std::uint32_t claimed : {0x7FFFFFF0u, 0xFFFFFFFFu}) {
    reset_settings();
    cfg_presets.add("held");
    const bytes damaged = cat({key_bytes(presets), u32(claimed), u32(1), u32(0x7FFFFF00), text("tail")});
    const bytes chain = cat({record(enabled, {0}), damaged});
    stored_bytes_stream in(chain.data(), static_cast<t_size>(chain.size()));
    try {
      cfg_var_reader::load_chain(in, abort);
      FAIL() << "a record cut short must not load silently";
    } catch (const foobar2000_io::exception_io_data_truncation &e) {
      EXPECT_STREQ(e.what(), "Unsupported format or corrupted file");
    }
    EXPECT_FALSE(cfg_enabled);
    ASSERT_EQ(cfg_presets.count(), 1u) << claimed;
    EXPECT_EQ(preset(0), "held");
  }
}

TEST_F(stored_chain, stream_ending_inside_a_guid_ends_the_load_normally) {
  const bytes key = key_bytes(keep_first_edit);
  const bytes chain = cat({record(enabled, {0}), bytes(key.begin(), key.begin() + 7)});
  EXPECT_NO_THROW(load(chain));
  EXPECT_FALSE(cfg_enabled);
}

TEST_F(stored_chain, stream_ending_inside_a_size_field_or_unfamiliar_payload_fails_from_host) {
  const bytes cut_size = cat({record(enabled, {0}), key_bytes(top_text), {12, 0}});
  EXPECT_THROW(load(cut_size), host_stream_error);
  EXPECT_FALSE(cfg_enabled);
  EXPECT_STREQ(cfg_top_text.text(), "Now Playing:");

  const bytes cut_unfamiliar = cat({key_bytes(unfamiliar), u32(10), text("abc")});
  EXPECT_THROW(load(cut_unfamiliar), host_stream_error);
}

TEST_F(stored_chain, every_record_is_read_to_its_end_and_no_further) {
  const bytes chain = cat({record(keep_first_edit, {1, 9, 9, 9}), record(unfamiliar, {7, 7}),
                           record(presets, cat({list_payload({"p"}), text("junk")}))});
  stored_bytes_stream in(chain.data(), static_cast<t_size>(chain.size()));
  cfg_var_reader::load_chain(in, abort);
  EXPECT_EQ(in.position(), chain.size());
  EXPECT_TRUE(cfg_keep_first_edit);
  ASSERT_EQ(cfg_presets.count(), 1u);
  EXPECT_EQ(preset(0), "p");
}

pfc::wide_string wide(const std::string &ascii) {
  pfc::wide_string text;
  pfc::wide_char *room = text.buffer_for(static_cast<t_size>(ascii.size()));
  for (std::size_t i = 0; i < ascii.size(); ++i) room[i] = static_cast<pfc::wide_char>(ascii[i]);
  return text;
}

bytes wide_bytes(const std::string &ascii) {
  bytes all = u32(static_cast<std::uint32_t>(ascii.size()));
  for (char c : ascii) all = cat({all, {static_cast<std::uint8_t>(c), 0}});
  return all;
}

TEST_F(stored_chain, the_status_record_follows_the_seven_only_while_something_is_owed) {
  status_record &kept = cfg_kept_status.value;
  kept.sequence = 7;
  kept.messenger_process = 0x1234;
  kept.status_form = 0x10078;
  kept.opening_process = 0x1234;
  kept.opening_form = 0x10078;
  // No picture selected (every byte of the number set), and a top text as long as a kept text may be.
  kept.picture.user = -1;
  kept.picture.own[0] = 11;
  kept.picture.own_count = 1;
  kept.bottom.user = wide("In a meeting");
  kept.bottom.own[0] = wide("Kino - Blood type");
  kept.bottom.own[1] = wide("Kino - Star");
  kept.bottom.own_count = 2;
  const std::string longest_top(4096, 't');
  kept.top.user = wide(longest_top);
  const bytes fields = cat({u32(0xFFFFFFFF),
                            {1},
                            u32(11),
                            wide_bytes("In a meeting"),
                            {2},
                            wide_bytes("Kino - Blood type"),
                            wide_bytes("Kino - Star"),
                            wide_bytes(longest_top),
                            {0}});
  const bytes payload = cat({{2}, u32(7), u32(0x1234), u32(0x10078), {0}, u32(0x1234), u32(0x10078), fields});
  const bytes stored = save();
  EXPECT_EQ(stored, cat({default_chain(), record(kept_status, payload)}));
  EXPECT_TRUE(cfg_kept_status.stored_copy_owes());

  reset_settings();
  load(stored);
  EXPECT_EQ(save(), stored);
  EXPECT_TRUE(cfg_kept_status.value.bottom.shows_own(wide("Kino - Star")));
  EXPECT_EQ(cfg_kept_status.value.picture.user, -1);
  EXPECT_EQ(cfg_kept_status.value.top.user.length(), 4096u);

  // Nothing owed: the stored settings are the seven, byte for byte, and the host's copy owes nothing.
  cfg_kept_status.value.picture.own_count = 0;
  cfg_kept_status.value.bottom.own_count = 0;
  cfg_kept_status.value.opening_form = 0;
  EXPECT_EQ(save(), default_chain());
  EXPECT_FALSE(cfg_kept_status.stored_copy_owes());

  // A record of the first version, without a sequence, still loads: its pending put-back is a write
  // not yet published.
  load(cat({default_chain(), record(kept_status, cat({{1}, u32(0x1234), u32(0x10078), {1}, fields}))}));
  EXPECT_EQ(cfg_kept_status.value.sequence, 0u);
  EXPECT_TRUE(cfg_kept_status.value.unapplied);
  EXPECT_EQ(cfg_kept_status.value.opening_form, 0u);
  EXPECT_TRUE(cfg_kept_status.value.bottom.shows_own(wide("Kino - Star")));

  // A record of another version, one cut short, one with an unknown mark of an unpublished write
  // and one with a count past three leave nothing kept.
  bytes too_many = payload;
  too_many[1 + 4 + 8 + 1 + 8 + 4 + 1 + 4 + 4 + 2 * 12] = 4;
  bytes unknown_flags = payload;
  unknown_flags[1 + 4 + 8] = 2;
  for (const bytes &damaged : {cat({{3}, bytes(payload.begin() + 1, payload.end())}),
                               bytes(payload.begin(), payload.end() - 1), unknown_flags, too_many}) {
    load(cat({default_chain(), record(kept_status, damaged)}));
    EXPECT_FALSE(cfg_kept_status.value.anything_owed());
    EXPECT_EQ(save(), default_chain());
  }
}

TEST_F(stored_chain, an_aborted_save_stops_with_user_abort) {
  collected_bytes_stream out;
  abort_flag aborted(true);
  try {
    cfg_var_writer::save_chain(out, aborted);
    FAIL() << "an aborted save must not complete";
  } catch (const foobar2000_io::exception_aborted &e) {
    EXPECT_STREQ(e.what(), "User abort");
  }
}

}  // namespace
