// The component's UTF-8/UTF-16 conversions against the window system's, on the same texts, each as a
// caller converting a text of unknown size does it: ask the size, allocate, convert, let go.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "measure.h"
#include "report.h"
#include "sample_texts.h"
#include "support/wide_text.h"

namespace {

// Conversions per timed call: a single one is too short to time steadily.
constexpr int conversions_per_call = 20;

volatile unsigned sink;

void system_wide_from_utf8(const char *text) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  auto *buffer = static_cast<wchar_t *>(std::malloc(units * sizeof(wchar_t)));
  MultiByteToWideChar(CP_UTF8, 0, text, -1, buffer, units);
  sink = buffer[0];
  std::free(buffer);
}

void system_utf8_from_wide(const wchar_t *text) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  auto *buffer = static_cast<char *>(std::malloc(bytes));
  WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, bytes, nullptr, nullptr);
  sink = static_cast<unsigned char>(buffer[0]);
  std::free(buffer);
}

std::wstring system_wide(const std::string &text) {
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
  wide.pop_back();
  return wide;
}

// Both sides must produce the same text, or the comparison would mean nothing.
bool same_results(const std::string &text, const std::wstring &wide) {
  const pfc::wide_text_from_utf8 ours_wide(text.c_str());
  const pfc::utf8_text_from_wide ours_narrow(wide.c_str());
  return ours_wide.get() == wide && ours_narrow.get() == text;
}

template <typename Work>
std::function<void()> repeated(Work work) {
  return [work] {
    for (int i = 0; i < conversions_per_call; ++i) work();
  };
}

}  // namespace

int main(int argc, char **argv) {
  const int count = repetitions(argc, argv);
  std::vector<bench_case> cases;
  const std::pair<const char *, std::string> samples[] = {{"ASCII", ascii_sample()}, {"mixed", mixed_sample()}};
  for (const auto &[name, text] : samples) {
    const std::wstring wide = system_wide(text);
    if (!same_results(text, wide)) {
      std::fprintf(stderr, "bench utf8: the component and the system convert the %s text differently\n", name);
      return 1;
    }
    const char *utf8 = text.c_str();
    const wchar_t *utf16 = wide.c_str();
    const std::string what = std::string(name) + " (" + std::to_string(text.size() / 1024) + " KiB, x" +
                             std::to_string(conversions_per_call) + ")";
    cases.push_back({what + " UTF-8 to UTF-16",
                     measure(count, repeated([utf8] { sink = pfc::wide_text_from_utf8(utf8).get()[0]; }),
                             repeated([utf8] { system_wide_from_utf8(utf8); }))});
    cases.push_back({what + " UTF-16 to UTF-8",
                     measure(count, repeated([utf16] { sink = pfc::utf8_text_from_wide(utf16).get()[0]; }),
                             repeated([utf16] { system_utf8_from_wide(utf16); }))});
  }
  print_cases("utf8", cases, 1.0);
  print_detail("baseline: MultiByteToWideChar / WideCharToMultiByte (CP_UTF8, length -1): size, allocate, convert");
  return 0;
}
