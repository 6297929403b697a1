// Where a long status text is cut: generated texts of characters made of several units (a letter
// and its mark, a surrogate pair, emoji joined by a zero-width joiner or with a skin tone, a
// variation selector), cut at every limit; the cut must land on the last whole character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/status_text.h"

namespace {

using units = std::basic_string<pfc::wide_char>;

units of(const char16_t *text) {
  units out;
  for (; *text != 0; ++text) out += static_cast<pfc::wide_char>(*text);
  return out;
}

const std::vector<units> characters = {
    of(u"a"),
    of(u"e\u0301"),                     // a letter and its accent
    of(u"\U0001F3B5"),                  // a surrogate pair
    of(u"\U0001F469\u200D\U0001F4BB"),  // two emoji joined by a zero-width joiner
    of(u"\U0001F44D\U0001F3FD"),        // an emoji and its skin tone
    of(u"\u2764\uFE0F"),                // a symbol and its emoji variation selector
};

}  // namespace

TEST(WholeCharacterCut, EveryLimitCutsAtTheLastWholeCharacterBeforeIt) {
  for (std::size_t step = 1; step < characters.size(); ++step) {
    // A letter first, so that every limit leaves at least one whole character.
    units text = characters[0];
    std::vector<std::size_t> ends = {text.size()};
    for (std::size_t i = 0; i < 3 * characters.size(); ++i) {
      text += characters[(i * step + 1) % characters.size()];
      ends.push_back(text.size());
    }
    for (std::size_t limit = 1; limit <= text.size(); ++limit) {
      std::size_t expected = 0;
      for (std::size_t end : ends) expected = end <= limit ? end : expected;
      EXPECT_EQ(pfc::whole_character_cut(text.c_str(), static_cast<t_size>(text.size()),
                                         static_cast<t_size>(limit)),
                expected)
          << "step " << step << ", limit " << limit;
    }
  }
}

TEST(WholeCharacterCut, PlainTextIsCutAtExactlyTheLimit) {
  const units plain(5000, 'p');
  EXPECT_EQ(pfc::whole_character_cut(plain.c_str(), 5000, pfc::status_text_limit), 4096u);
  EXPECT_EQ(pfc::whole_character_cut(plain.c_str(), 4096, pfc::status_text_limit), 4096u);
  EXPECT_EQ(pfc::whole_character_cut(plain.c_str(), 4097, pfc::status_text_limit), 4096u);
}
