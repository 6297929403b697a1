#include "message_sequence.h"

#include <cstdio>

namespace {

std::string field(const char *name, const std::optional<std::uint32_t> &value) {
  if (!value) return std::string(" ") + name + "=any";
  return std::string(" ") + name + "=" + std::to_string(*value);
}

template <typename T>
bool matches(const std::optional<T> &expected, const std::optional<T> &seen) {
  return !expected || expected == seen;
}

}  // namespace

bool matches(const window_message &expected, const window_message &seen) {
  return expected.window == seen.window && expected.message == seen.message &&
         matches(expected.w_param, seen.w_param) && matches(expected.l_param, seen.l_param) &&
         matches(expected.text, seen.text);
}

std::string describe(const window_message &message) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%04X", message.message);
  std::string text = message.window + " " + code + field("w", message.w_param) + field("l", message.l_param);
  if (message.text) text += " \"" + *message.text + "\"";
  return text;
}

std::string first_difference(const std::vector<window_message> &expected,
                             const std::vector<window_message> &seen) {
  const std::size_t common = expected.size() < seen.size() ? expected.size() : seen.size();
  for (std::size_t i = 0; i < common; ++i) {
    if (!matches(expected[i], seen[i])) {
      return "message " + std::to_string(i + 1) + ": expected " + describe(expected[i]) + ", saw " +
             describe(seen[i]);
    }
  }
  if (expected.size() > common) {
    return "message " + std::to_string(common + 1) + ": expected " + describe(expected[common]) +
           ", saw no more (" + std::to_string(seen.size()) + " in all)";
  }
  if (seen.size() > common) {
    return "message " + std::to_string(common + 1) + ": expected no more, saw " + describe(seen[common]);
  }
  return "";
}
