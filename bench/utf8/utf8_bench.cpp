// The component's UTF-8/UTF-16 conversions, built as the DLL is built, against the window system's,
// on the same texts, each as a caller converting a text of unknown size does it: ask the size,
// allocate, convert, let go.
#include <windows.h>

#include <cstdlib>

#include "report.h"
#include "sample_texts.h"
#include "support/wide_text.h"

namespace {

// Conversions per timed call: a single one is too short to time steadily.
constexpr int conversions_per_call = 20;
constexpr int steady_repetitions = 21;

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

// The system's conversion, kept for the comparison of results.
wchar_t *system_wide(const char *text) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  wchar_t *wide = new wchar_t[units];
  MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, units);
  return wide;
}

template <typename T>
bool same_text(const T *a, const T *b) {
  for (; *a == *b; ++a, ++b) {
    if (*a == 0) return true;
  }
  return false;
}

// Both sides must produce the same text, or the comparison would mean nothing.
bool same_results(const char *text, const wchar_t *wide) {
  const pfc::wide_text_from_utf8 ours_wide(text);
  const pfc::utf8_text_from_wide ours_narrow(wide);
  return same_text(ours_wide.get(), wide) && same_text(ours_narrow.get(), text);
}

template <typename Work>
auto repeated(Work work) {
  return [work] {
    for (int i = 0; i < conversions_per_call; ++i) work();
  };
}

struct sample {
  const char *name;
  char *text;
};

}  // namespace

int bench_main(bool quick) {
  const int count = repetitions(quick, steady_repetitions);
  sample samples[] = {{"ASCII", ascii_sample()}, {"mixed", mixed_sample()}};
  bench_case cases[4];
  int case_count = 0;
  for (const sample &chosen : samples) {
    const char *utf8 = chosen.text;
    const wchar_t *utf16 = system_wide(utf8);
    if (!same_results(utf8, utf16)) {
      print_detail(text_line("bench utf8: the component and the system convert the ")
                       .add(chosen.name)
                       .add(" text differently"));
      return 1;
    }
    text_line what(chosen.name);
    what.add(" (")
        .add_count(static_cast<long>(sample_bytes / 1024))
        .add(" KiB, x")
        .add_count(conversions_per_call)
        .add(")");
    cases[case_count++] = {
        text_line(what.text()).add(" UTF-8 to UTF-16"),
        measure(count, repeated([utf8] { sink = pfc::wide_text_from_utf8(utf8).get()[0]; }),
                repeated([utf8] { system_wide_from_utf8(utf8); }))};
    cases[case_count++] = {
        text_line(what.text()).add(" UTF-16 to UTF-8"),
        measure(count, repeated([utf16] { sink = pfc::utf8_text_from_wide(utf16).get()[0]; }),
                repeated([utf16] { system_utf8_from_wide(utf16); }))};
    delete[] utf16;
    delete[] chosen.text;
  }
  print_cases("utf8", cases, case_count, 1.0);
  print_detail("ours: the component's converters, built as the DLL is (clang -Os, the platform's ABI)");
  print_detail(
      "baseline: MultiByteToWideChar / WideCharToMultiByte (CP_UTF8, length -1): size, allocate, convert");
  return 0;
}
