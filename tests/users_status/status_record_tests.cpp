// The record of the user's status and the component's own, as its bytes stand with the settings
// and in the component's own file: a later version of the component must read what an earlier one
// left, and nothing damaged may pass for a record.
#include <gtest/gtest.h>

#include <string>

#include "chain_bytes.h"
#include "users_status/status_record.h"

using namespace chain_bytes;

namespace {

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

bool decode(const bytes &payload, status_record &out) {
  return decode_status_record(payload.data(), static_cast<t_size>(payload.size()), out);
}

TEST(status_record, is_stored_field_by_field_and_read_back_whole) {
  status_record owed;
  owed.sequence = 7;
  owed.messenger_process = 0x1234;
  owed.status_form = 0x10078;
  // No picture selected (every byte of the number set), and a top text as long as a kept text may be.
  owed.picture.user = -1;
  owed.picture.own[0] = 11;
  owed.picture.own_count = 1;
  owed.bottom.user = wide("In a meeting");
  owed.bottom.own[0] = wide("Kino - Blood type");
  owed.bottom.own[1] = wide("Kino - Star");
  owed.bottom.own_count = 2;
  const std::string longest_top(4096, 't');
  owed.top.user = wide(longest_top);
  const bytes fields = cat({u32(0xFFFFFFFF),
                            {1},
                            u32(11),
                            wide_bytes("In a meeting"),
                            {2},
                            wide_bytes("Kino - Blood type"),
                            wide_bytes("Kino - Star"),
                            wide_bytes(longest_top),
                            {0}});
  const bytes payload = cat({{2}, u32(7), u32(0x1234), u32(0x10078), {0}, u32(0), u32(0), fields});
  record_bytes encoded;
  encode_status_record(owed, encoded);
  EXPECT_EQ(bytes(encoded.data(), encoded.data() + encoded.size()), payload);

  // An opening of the dialog that an earlier version kept is read past: the dialog is its user's.
  status_record read;
  ASSERT_TRUE(
      decode(cat({{2}, u32(7), u32(0x1234), u32(0x10078), {0}, u32(0x1234), u32(0x10078), fields}), read));
  EXPECT_TRUE(read.same_as(owed));
  EXPECT_EQ(read.sequence, 7u);
  EXPECT_EQ(read.picture.user, -1);
  EXPECT_EQ(read.top.user.length(), 4096u);

  // A record of the first version, without a sequence, still loads: its pending put-back is a write
  // not yet published.
  status_record first_version;
  ASSERT_TRUE(decode(cat({{1}, u32(0x1234), u32(0x10078), {1}, fields}), first_version));
  EXPECT_EQ(first_version.sequence, 0u);
  EXPECT_TRUE(first_version.unapplied);
  EXPECT_TRUE(first_version.bottom.shows_own(wide("Kino - Star")));

  // A record of another version, one cut short, one with an unknown mark of an unpublished write,
  // one with a count past three and one with bytes after its end do not decode, and leave what
  // they were read into as it was.
  bytes too_many = payload;
  too_many[1 + 4 + 8 + 1 + 8 + 4 + 1 + 4 + 4 + 2 * 12] = 4;
  bytes unknown_flags = payload;
  unknown_flags[1 + 4 + 8] = 2;
  for (const bytes &damaged :
       {cat({{3}, bytes(payload.begin() + 1, payload.end())}), bytes(payload.begin(), payload.end() - 1),
        unknown_flags, too_many, cat({payload, {0}}), bytes()}) {
    status_record untouched;
    EXPECT_FALSE(decode(damaged, untouched));
    EXPECT_FALSE(untouched.anything_owed());
  }
}

}  // namespace
