#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>

#include "support/string8.h"

using pfc::string8;
using pfc::string8_fast_aggressive;

TEST(String8, NewStringIsEmptyButNeverNull) {
  const string8 s;
  ASSERT_NE(s.text(), nullptr);
  EXPECT_STREQ(s.text(), "");
  EXPECT_EQ(s.length(), 0u);
  EXPECT_EQ(s.buffer_size(), 0u);
}

TEST(String8, AssignAndAppendHonourByteLimitsAndNull) {
  string8 s("something");
  s.assign(nullptr, 5);
  EXPECT_STREQ(s.text(), "");
  EXPECT_EQ(s.length(), 0u);

  s.assign("abcdef", 3);
  EXPECT_STREQ(s.text(), "abc");
  s.append("xyz");
  EXPECT_STREQ(s.text(), "abcxyz");
  EXPECT_EQ(s.length(), 6u);

  // The limit is a byte limit; it may cut a character, the terminator still follows.
  s.assign("\xC3\xA9\xC3\xA9", 3);
  EXPECT_EQ(s.length(), 3u);
  EXPECT_EQ(s.text()[3], 0);
}

TEST(String8, AppendingOrAssigningItsOwnTextIsSafe) {
  string8 s("ping-");
  s.append(s.text());
  EXPECT_STREQ(s.text(), "ping-ping-");
  // Growing past the slack forces a reallocation while the source points into the old buffer.
  for (int i = 0; i < 6; ++i) s.append(s.text());
  EXPECT_EQ(s.length(), 10u * 64u);
  EXPECT_EQ(std::string(s.text()).substr(630), "ping-ping-");

  s.assign(s.text() + 5, 4);
  EXPECT_STREQ(s.text(), "ping");
}

TEST(String8, StandardPolicyKeepsAtMost32BytesOfSlack) {
  string8 s;
  const std::string hundred(100, 'a');
  s.assign(hundred.c_str());
  EXPECT_EQ(s.buffer_size(), 117u);
  s.assign(std::string(10, 'b').c_str());
  EXPECT_EQ(s.buffer_size(), 11u);
  s.assign(std::string(20, 'c').c_str());
  EXPECT_EQ(s.buffer_size(), 37u);
  // Within the slack the buffer stays as it is.
  s.assign(std::string(30, 'd').c_str());
  EXPECT_EQ(s.buffer_size(), 37u);
  EXPECT_EQ(s.capacity(), s.buffer_size());
}

TEST(String8, FastAggressivePolicyDoublesAndNeverShrinks) {
  string8_fast_aggressive s;
  s.append("0123456789");
  EXPECT_EQ(s.capacity(), 16u);
  s.shorten(0);
  EXPECT_EQ(s.capacity(), 16u);
  EXPECT_STREQ(s.text(), "");
  s.append(std::string(40, 'x').c_str());
  EXPECT_EQ(s.capacity(), 64u);
  EXPECT_EQ(s.length(), 40u);
}

TEST(String8, ShortenOnlyEverCuts) {
  string8 s("abcdef");
  s.shorten(6);
  s.shorten(100);
  EXPECT_STREQ(s.text(), "abcdef");
  s.shorten(2);
  EXPECT_STREQ(s.text(), "ab");
  EXPECT_EQ(s.length(), 2u);
}

TEST(String8, BeginWriteGivesZeroedRoomAndEndWriteTakesTheLength) {
  string8 s("old text that is long");
  char *room = s.begin_write(5);
  for (pfc::t_size i = 0; i < s.buffer_size(); ++i) ASSERT_EQ(room[i], 0) << "byte " << i;
  EXPECT_GE(s.buffer_size(), 6u);
  room[0] = 'h';
  room[1] = 'i';
  s.end_write();
  EXPECT_EQ(s.length(), 2u);
  EXPECT_STREQ(s.text(), "hi");
}

TEST(String8, ImpossibleSizesRaiseErrors) {
  string8 s("kept");
  try {
    s.begin_write(0xFFFFFFFFu);
    FAIL() << "no exception";
  } catch (const pfc::exception_overflow &e) {
    EXPECT_STREQ(e.what(), "Overflow");
  }
  EXPECT_STREQ(s.text(), "kept");

  string8_fast_aggressive big;
  EXPECT_THROW(big.begin_write(0xFFFFFFFEu), std::bad_alloc);
  EXPECT_STREQ(big.text(), "");
}

TEST(String8, CopiesOwnTheirText) {
  string8 a("first");
  string8 b(a);
  a.assign("second");
  EXPECT_STREQ(b.text(), "first");
  b = a;
  EXPECT_STREQ(b.text(), "second");
  EXPECT_NE(a.text(), b.text());
}
