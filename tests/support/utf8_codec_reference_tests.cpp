// The codec's fast paths (ASCII a machine word at a time, runs of two- and three-byte letters, inline
// common sequences) against a plain conversion written here one character at a time, over generated
// text in which a run of every kind and length around the word sizes meets every other kind, odd
// bytes, and every buffer size and limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "support/utf8_codec.h"
#include "support/wide_text.h"

using pfc::wide_char;

namespace {

using units = std::basic_string<wide_char>;

// Any code point below 0x110000 in one to four bytes, surrogates included.
void append_utf8(std::string &out, std::uint32_t code_point) {
  static const unsigned char lead[] = {0, 0, 0xC0, 0xE0, 0xF0};
  const int length = code_point < 0x80 ? 1 : code_point < 0x800 ? 2 : code_point < 0x10000 ? 3 : 4;
  if (length == 1) {
    out += static_cast<char>(code_point);
    return;
  }
  char bytes[4];
  for (int k = length - 1; k > 0; --k, code_point >>= 6)
    bytes[k] = static_cast<char>(0x80 | (code_point & 0x3F));
  bytes[0] = static_cast<char>(lead[length] | code_point);
  out.append(bytes, static_cast<std::size_t>(length));
}

void append_utf16(units &out, std::uint32_t code_point) {
  if (code_point < 0x10000) {
    out += static_cast<wide_char>(code_point);
  } else {
    out += static_cast<wide_char>(0xD800 + ((code_point - 0x10000) >> 10));
    out += static_cast<wide_char>(0xDC00 + ((code_point - 0x10000) & 0x3FF));
  }
}

// UTF-8 read as the component reads it: sequences of one to six bytes, none overlong; the first
// malformed one ends the text; encoded surrogates pass as they are; past U+10FFFF a '?'.
units reference_utf16(const std::string &bytes) {
  static const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000, 0x200000, 0x4000000};
  units out;
  for (std::size_t i = 0; i < bytes.size();) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead == 0     ? 0
                               : lead < 0x80 ? 1
                               : lead < 0xC0 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF8 ? 4
                               : lead < 0xFC ? 5
                               : lead < 0xFE ? 6
                                             : 0;
    if (length == 0 || bytes.size() - i < length) break;
    std::uint32_t value = length == 1 ? lead : lead & (0x7F >> length);
    bool whole = true;
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned char c = static_cast<unsigned char>(bytes[i + k]);
      whole = whole && (c & 0xC0) == 0x80;
      value = (value << 6) | (c & 0x3F);
    }
    if (!whole || value < smallest[length]) break;
    append_utf16(out, value <= 0x10FFFF ? value : '?');
    i += length;
  }
  return out;
}

// UTF-16 as the component writes it out: a high surrogate followed by a low one is one character,
// any other unit is one character by itself.
std::string reference_utf8(const units &text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t code_point = static_cast<std::uint16_t>(text[i]);
    const bool high = (code_point & 0xFC00) == 0xD800;
    if (high && i + 1 < text.size() && (static_cast<std::uint16_t>(text[i + 1]) & 0xFC00) == 0xDC00) {
      code_point = 0x10000 + ((code_point - 0xD800) << 10) + (static_cast<std::uint16_t>(text[++i]) - 0xDC00);
    }
    append_utf8(out, code_point);
  }
  return out;
}

// The kinds of run, each with the values at its edges. A surrogate alone is one unit in UTF-16 and
// three bytes in UTF-8, as the codec carries it.
const std::vector<std::vector<std::uint32_t>> run_kinds = {
    {'a', 0x7F, 0x01, ' '},                           // ASCII
    {0x80, 0x7FF, 0x41F, 0xE9},                       // two bytes
    {0x800, 0xD7FF, 0xE000, 0xFFFF, 0x20AC, 0x661F},  // three bytes
    {0x10000, 0x10FFFF, 0x1F3B5, 0xFFFFF},            // four bytes, a surrogate pair
    {0xD800, 0xDBFF},                                 // lone high surrogates
    {0xDC00, 0xDFFF},                                 // lone low surrogates
};

// Bytes the decoder must stop at, or take as a character beyond Unicode.
const std::vector<std::string> odd_bytes = {"\x80",
                                            "\xBF",
                                            "\xFE",
                                            "\xFF",
                                            "\xC0\x80",
                                            "\xC1\xBF",
                                            "\xC3(",
                                            "\xE2\x82",
                                            "\xE0\x80\x80",
                                            "\xE0\x9F\xBF",
                                            "\xED",
                                            "\xF0\x9F\x98",
                                            "\xF0\x8F\xBF\xBF",
                                            "\xF4\x90\x80\x80",
                                            "\xF8\x88\x80\x80\x80",
                                            "\xFD\xBF\xBF\xBF\xBF\xBF"};

std::vector<std::uint32_t> run(std::size_t kind, std::size_t length, std::size_t phase) {
  const std::vector<std::uint32_t> &values = run_kinds[kind];
  std::vector<std::uint32_t> out;
  for (std::size_t k = 0; k < length; ++k) out.push_back(values[(k + phase) % values.size()]);
  return out;
}

// Calls `check` with every text of a run of one kind and 0 to 17 characters (across the word sizes
// of 32- and 64-bit builds), then a run of another kind, then an ASCII tail of `tail` letters.
template <typename Check>
void for_each_run_pair(Check check) {
  for (std::size_t first = 0; first < run_kinds.size(); ++first) {
    for (std::size_t first_length = 0; first_length <= 17; ++first_length) {
      for (std::size_t second = 0; second < run_kinds.size(); ++second) {
        for (std::size_t second_length : {1, 2, 5}) {
          for (std::size_t tail : {0, 3, 9}) {
            std::vector<std::uint32_t> text = run(first, first_length, 0);
            for (std::uint32_t c : run(second, second_length, first_length)) text.push_back(c);
            for (std::uint32_t c : run(0, tail, 0)) text.push_back(c);
            check(text, tail);
            if (::testing::Test::HasFatalFailure()) return;
          }
        }
      }
    }
  }
}

std::string as_utf8(const std::vector<std::uint32_t> &code_points) {
  std::string out;
  for (std::uint32_t c : code_points) append_utf8(out, c);
  return out;
}

units as_utf16(const std::vector<std::uint32_t> &code_points) {
  units out;
  for (std::uint32_t c : code_points) append_utf16(out, c);
  return out;
}

::testing::AssertionResult converts_utf8_as_the_reference(const std::string &text, bool every_limit) {
  const units expected = reference_utf16(text);
  const pfc::t_size count = pfc::utf16_units_for_utf8(text.c_str(), pfc::infinite_size);
  if (count != expected.size() + 1) return ::testing::AssertionFailure() << "counted " << count;
  // Exactly the counted room: a conversion that writes more overruns it.
  std::vector<wide_char> out(count);
  const pfc::t_size written = pfc::convert_utf8_to_utf16(out.data(), text.c_str());
  if (units(out.data(), written) != expected || out[written] != 0) {
    return ::testing::AssertionFailure() << "converted " << written << " units otherwise";
  }
  const pfc::wide_text_from_utf8 wide(text.c_str());
  if (wide.units() != count || units(wide.get()) != expected)
    return ::testing::AssertionFailure() << "wide text";
  // A byte limit: the text without its terminator, at the very end of its buffer.
  std::vector<char> bare(text.begin(), text.end());
  for (std::size_t limit = every_limit ? 0 : text.size(); limit <= text.size(); ++limit) {
    char *start = bare.data() + bare.size() - limit;
    std::memcpy(start, text.data(), limit);
    const pfc::t_size limited = pfc::utf16_units_for_utf8(start, static_cast<pfc::t_size>(limit));
    if (limited != reference_utf16(text.substr(0, limit)).size() + 1) {
      return ::testing::AssertionFailure() << "counted " << limited << " under a limit of " << limit;
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult converts_utf16_as_the_reference(const units &text) {
  const std::string expected = reference_utf8(text);
  pfc::t_size walked = 0;
  const pfc::t_size count = pfc::utf8_bytes_for_utf16(text.c_str(), pfc::infinite_size, walked);
  if (count != expected.size() + 1 || walked != text.size()) {
    return ::testing::AssertionFailure() << "counted " << count << " bytes over " << walked << " units";
  }
  // Every output size up to one past the whole: the output ends at the end of its buffer, and the
  // text is cut to it with the terminator in its last byte.
  std::vector<char> room(count + 1);
  for (std::size_t size = 0; size <= room.size(); ++size) {
    char *out = room.data() + room.size() - size;
    const pfc::t_size end =
        pfc::convert_utf16_to_utf8(out, static_cast<pfc::t_size>(size), text.c_str(), pfc::infinite_size);
    const std::size_t kept = size == 0 ? 0 : std::min(expected.size(), size - 1);
    if (end != kept || (size > 0 && (std::string(out, end) != expected.substr(0, kept) || out[end] != 0))) {
      return ::testing::AssertionFailure() << "wrote otherwise into " << size << " bytes";
    }
  }
  for (std::size_t limit = 0; limit <= text.size(); ++limit) {
    const pfc::utf8_text_from_wide narrow(text.c_str(), static_cast<pfc::t_size>(limit));
    const std::string cut = reference_utf8(text.substr(0, limit));
    if (narrow.bytes() != cut.size() + 1 || narrow.get() != cut) {
      return ::testing::AssertionFailure() << "wrote otherwise under a limit of " << limit << " units";
    }
  }
  return ::testing::AssertionSuccess();
}

std::string shown(const std::vector<std::uint32_t> &code_points) {
  std::string out;
  for (std::uint32_t c : code_points) out += " " + std::to_string(c);
  return out;
}

}  // namespace

TEST(Utf8CodecAgainstReference, Utf8ToUtf16AcrossEveryRunBoundaryAndOddByte) {
  std::size_t texts = 0;
  for_each_run_pair([&](const std::vector<std::uint32_t> &code_points, std::size_t tail) {
    const std::string text = as_utf8(code_points);
    ++texts;
    ASSERT_TRUE(converts_utf8_as_the_reference(text, true)) << "code points" << shown(code_points);
    if (tail != 0) return;
    for (const std::string &odd : odd_bytes) {
      ASSERT_TRUE(converts_utf8_as_the_reference(text + odd + "tail", false))
          << "code points" << shown(code_points) << " then odd bytes";
    }
  });
  EXPECT_EQ(texts, 5832u);
}

TEST(Utf8CodecAgainstReference, Utf16ToUtf8AcrossEveryRunBoundaryAndOutputSize) {
  std::size_t texts = 0;
  for_each_run_pair([&](const std::vector<std::uint32_t> &code_points, std::size_t) {
    ++texts;
    ASSERT_TRUE(converts_utf16_as_the_reference(as_utf16(code_points)))
        << "code points" << shown(code_points);
  });
  EXPECT_EQ(texts, 5832u);
}
