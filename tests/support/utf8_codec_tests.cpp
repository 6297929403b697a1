#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/utf8_codec.h"

using pfc::wide_char;

namespace {

struct decoded {
  pfc::t_size consumed;
  std::uint32_t code_point;
};

decoded decode(const std::string &bytes) {
  std::uint32_t cp = 0xDEAD;
  const pfc::t_size n = pfc::decode_utf8_char(bytes.c_str(), cp);
  return {n, cp};
}

std::vector<std::uint16_t> to_utf16(const std::string &utf8) {
  std::vector<wide_char> out(pfc::utf16_units_for_utf8(utf8.c_str(), pfc::infinite_size));
  const pfc::t_size written = pfc::convert_utf8_to_utf16(out.data(), utf8.c_str());
  EXPECT_EQ(written + 1, out.size()) << "count and conversion disagree";
  return std::vector<std::uint16_t>(out.begin(), out.begin() + written);
}

std::string to_utf8(const std::vector<std::uint16_t> &units) {
  std::vector<wide_char> text(units.begin(), units.end());
  text.push_back(0);
  std::string out(pfc::utf8_bytes_for_utf16(text.data(), pfc::infinite_size), '\x7F');
  const pfc::t_size end = pfc::convert_utf16_to_utf8(&out[0], out.size(), text.data(), pfc::infinite_size);
  EXPECT_EQ(end + 1, out.size()) << "count and conversion disagree";
  return out.substr(0, end);
}

}  // namespace

TEST(Utf8Decoding, AcceptsWellFormedSequencesIncludingSurrogatesAndBeyondUnicode) {
  EXPECT_EQ(decode("A").consumed, 1u);
  EXPECT_EQ(decode("\xC2\x80").code_point, 0x80u);
  EXPECT_EQ(decode("\xED\xA0\x80").code_point, 0xD800u);
  EXPECT_EQ(decode("\xF4\x90\x80\x80").code_point, 0x110000u);
  EXPECT_EQ(decode("\xF4\x90\x80\x80").consumed, 4u);
  EXPECT_EQ(decode("\xFD\xBF\xBF\xBF\xBF\xBF").code_point, 0x7FFFFFFFu);
}

TEST(Utf8Decoding, RejectsMalformedAndOverlongSequences) {
  for (const char *bad : {"\xC0\x80", "\xC1\xBF", "\x80", "\xFE", "\xFF", "\xE2\x82", "\xE0\x80\x80",
                          "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xF8\x87\xBF\xBF\xBF", "\xC3("}) {
    const decoded d = decode(bad);
    EXPECT_EQ(d.consumed, 0u) << "accepted " << testing::PrintToString(std::string(bad));
    EXPECT_EQ(d.code_point, 0u);
  }
  EXPECT_EQ(decode("").consumed, 0u);
}

TEST(Utf8Decoding, ByteLimitedDecoderNeverReadsPastItsLimit) {
  std::uint32_t cp = 1;
  EXPECT_EQ(pfc::decode_utf8_char(2, "\xE2\x82\xAC", cp), 0u);
  EXPECT_EQ(cp, 0u);
  EXPECT_EQ(pfc::decode_utf8_char(3, "\xE2\x82\xAC", cp), 3u);
  EXPECT_EQ(cp, 0x20ACu);
  EXPECT_EQ(pfc::decode_utf8_char(0, "A", cp), 0u);
}

TEST(Utf8Encoding, UsesOneToSixBytesAndNothingAbove31Bits) {
  char out[6];
  EXPECT_EQ(pfc::encode_utf8_char(0x41, out), 1u);
  EXPECT_EQ(pfc::encode_utf8_char(0x7FF), 2u);
  EXPECT_EQ(pfc::encode_utf8_char(0xD800, out), 3u);
  EXPECT_EQ(std::string(out, 3), "\xED\xA0\x80");
  EXPECT_EQ(pfc::encode_utf8_char(0x1F600, out), 4u);
  EXPECT_EQ(std::string(out, 4), "\xF0\x9F\x98\x80");
  EXPECT_EQ(pfc::encode_utf8_char(0x200000), 5u);
  EXPECT_EQ(pfc::encode_utf8_char(0x7FFFFFFF, out), 6u);
  EXPECT_EQ(std::string(out, 6), "\xFD\xBF\xBF\xBF\xBF\xBF");
  EXPECT_EQ(pfc::encode_utf8_char(0x80000000u, out), 0u);
}

TEST(Utf8ToUtf16, ConvertsAndEndsTheTextAtTheFirstBadSequence) {
  EXPECT_EQ(to_utf16("A\xFF"
                     "B"),
            (std::vector<std::uint16_t>{0x41}));
  EXPECT_EQ(to_utf16("\xF0\x9F\x98\x80"), (std::vector<std::uint16_t>{0xD83D, 0xDE00}));
  EXPECT_EQ(to_utf16("\xF4\x8F\xBF\xBF"), (std::vector<std::uint16_t>{0xDBFF, 0xDFFF}));
  EXPECT_EQ(to_utf16("\xF4\x90\x80\x80"), (std::vector<std::uint16_t>{0x3F}));
  EXPECT_EQ(to_utf16(""), (std::vector<std::uint16_t>{}));
  EXPECT_EQ(to_utf16("\xD0\x9F\xD1\x80\xD0\xB8"), (std::vector<std::uint16_t>{0x41F, 0x440, 0x438}));
}

TEST(Utf8ToUtf16, CountingHonoursTheByteLimit) {
  EXPECT_EQ(pfc::utf16_units_for_utf8("abc", 0), 1u);
  EXPECT_EQ(pfc::utf16_units_for_utf8("abc", 2), 3u);
  EXPECT_EQ(pfc::utf16_units_for_utf8("\xF0\x9F\x98\x80"
                                      "a",
                                      4),
            3u);
  EXPECT_EQ(pfc::utf16_units_for_utf8("\xF0\x9F\x98\x80"
                                      "a",
                                      3),
            1u);
}

TEST(Utf16ToUtf8, CarriesLoneSurrogatesAndPairsCorrectly) {
  EXPECT_EQ(to_utf8({0xD800, 0x41}),
            "\xED\xA0\x80"
            "A");
  EXPECT_EQ(to_utf8({0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");
  EXPECT_EQ(to_utf8({0xDE00, 0xD83D}), "\xED\xB8\x80\xED\xA0\xBD");
  EXPECT_EQ(to_utf8({}), "");
}

TEST(Utf16ToUtf8, FullOutputLosesItsLastByteToTheTerminator) {
  const wide_char text[] = {0x68, 0xE9, 0};
  char out[3] = {'?', '?', '?'};
  EXPECT_EQ(pfc::convert_utf16_to_utf8(out, 3, text, pfc::infinite_size), 2u);
  EXPECT_EQ(std::string(out, 3), std::string("h\xC3\0", 3));

  char untouched = '?';
  EXPECT_EQ(pfc::convert_utf16_to_utf8(&untouched, 0, text, pfc::infinite_size), 0u);
  EXPECT_EQ(untouched, '?');
}

TEST(Utf16ToUtf8, UnitLimitStopsTheWalkAndSplitsNoCountedPair) {
  const wide_char text[] = {0x61, 0xD83D, 0xDE00, 0x62, 0};
  // With one unit left under the limit the high surrogate is taken alone.
  EXPECT_EQ(pfc::utf8_bytes_for_utf16(text, 2), 1u + 1u + 3u);
  char out[8];
  EXPECT_EQ(pfc::convert_utf16_to_utf8(out, sizeof out, text, 2), 4u);
  EXPECT_EQ(std::string(out, 4), "a\xED\xA0\xBD");
  EXPECT_EQ(pfc::utf8_bytes_for_utf16(text, 3), 1u + 1u + 4u);
}
