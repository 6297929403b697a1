#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One window message, as a test expects it or as a window saw it. Windows are named by their role
// ("bottom_edit", "main_panel"); the text of WM_SETTEXT is UTF-8. In an expectation, a field whose
// value means nothing to the test (a text's address in another process, a click point that depends
// on the screen) is left open with `any`.
inline constexpr std::nullopt_t any = std::nullopt;

struct window_message {
  window_message(std::string window, unsigned message, std::optional<std::uint32_t> w_param = any,
                 std::optional<std::uint32_t> l_param = any, std::optional<std::string> text = any)
      : window(std::move(window)),
        message(message),
        w_param(w_param),
        l_param(l_param),
        text(std::move(text)) {}

  std::string window;
  unsigned message;
  std::optional<std::uint32_t> w_param;
  std::optional<std::uint32_t> l_param;
  std::optional<std::string> text;
};

// Whether `seen` is the message `expected` describes.
bool matches(const window_message &expected, const window_message &seen);

// Empty when `seen` is what `expected` describes, message for message; otherwise the first
// difference, with the message expected and the one seen there.
std::string first_difference(const std::vector<window_message> &expected,
                             const std::vector<window_message> &seen);

// "bottom_edit 0x000C w=0 l=any "text""
std::string describe(const window_message &message);
