#include <gtest/gtest.h>

#include <string>

#include "support/wide_text.h"

using pfc::wide_char;

TEST(WideText, RoundTripsNonLatinAndSupplementaryText) {
  const char *title = "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE \xE2\x80\x94 \xE6\x98\x9F \xF0\x9F\x8E\xB5";
  const pfc::wide_text_from_utf8 wide(title);
  const std::u16string expected = u"\u041A\u0438\u043D\u043E \u2014 \u661F \U0001F3B5";
  EXPECT_EQ(wide.units(), expected.size() + 1);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t *>(wide.get())), expected);
  const pfc::utf8_text_from_wide back(wide.get());
  EXPECT_STREQ(back.get(), title);
  EXPECT_EQ(back.bytes(), std::string(title).size() + 1);
}

TEST(WideText, EmptyAndNullTextsGiveEmptyResults) {
  const pfc::wide_text_from_utf8 empty("");
  EXPECT_EQ(empty.units(), 1u);
  EXPECT_EQ(empty.get()[0], 0);
  const pfc::wide_text_from_utf8 null_text(nullptr);
  EXPECT_EQ(null_text.get()[0], 0);
  const wide_char nothing[] = {0};
  const pfc::utf8_text_from_wide narrow(nothing);
  EXPECT_EQ(narrow.bytes(), 1u);
  EXPECT_STREQ(narrow.get(), "");
}

TEST(WideText, UnitLimitCutsTheWideText) {
  const wide_char text[] = {'a', 'b', 'c', 'd', 0};
  const pfc::utf8_text_from_wide first_two(text, 2);
  EXPECT_STREQ(first_two.get(), "ab");
}

TEST(WideText, MalformedUtf8EndsTheTextWithoutError) {
  const pfc::wide_text_from_utf8 wide("ok\xC0\x80hidden");
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t *>(wide.get())), u"ok");
}
