// The component's discovery of the messenger's windows, built from its own sources as the DLL is,
// against a bare loop of the same window system calls, among decoys: two stand-in messengers run at
// once, one with 1,000 and one with 10,000 decoys inside its forms, under 1,000 top-level windows
// of other programs' classes, and each search keeps to one of them by its process, as discovery
// does when it looks for the messenger it saved the status of. The two sizes are timed in turns, so
// that a change of pace of the machine during the run touches both and the growth from one to the
// other stays readable.
#include <windows.h>

#include "bare_discovery.h"
#include "crowded_messenger.h"
#include "messenger/messenger_windows.h"
#include "other_programs_windows.h"
#include "report.h"

namespace {

constexpr int smaller_decoys = 1000;
constexpr int larger_decoys = 10000;
constexpr int other_programs_windows_count = larger_decoys / 10;
constexpr double ratio_target = 1.5;
// Linear growth would give 10; a little more is left for the window system's own lists.
constexpr double scaling_target = 12.0;
// A search takes tens of milliseconds even in the smaller case: one per timed call is enough.
constexpr int steady_repetitions = 21;

messenger_window_table bare_found;

void say_failure(const char *why) {
  const text_line line = text_line("bench discovery: ").add(why).add("\n");
  int length = 0;
  while (line.text()[length] != 0) ++length;
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), line.text(), static_cast<DWORD>(length), &written, nullptr);
}

bool same_windows(const messenger_window_table &found, const messenger_layout &layout) {
  return found.main_form == layout.main_form && found.main_panel == layout.main_panel &&
         found.status_form == layout.status_form && found.status_panel == layout.status_panel &&
         found.status_combo == layout.status_combo && found.bottom_edit == layout.bottom_edit &&
         found.top_edit == layout.top_edit;
}

// Both sides find exactly this messenger's windows, or the times would compare different work.
bool both_find_the_windows_of(const crowded_messenger &messenger) {
  const bool ours = find_messenger_windows(messenger.process()) == messenger_result::completed &&
                    same_windows(messenger_windows, messenger.layout());
  return ours && bare_discovery(bare_found, messenger.process()) &&
         same_windows(bare_found, messenger.layout());
}

// Null when both messengers run with their decoys under the other programs' windows and both sides
// find each messenger's own windows, else what went wrong.
const char *set_up_wrongly(const crowded_messenger &smaller, const crowded_messenger &larger,
                           const other_programs_windows &others) {
  if (smaller.failure() != nullptr) return smaller.failure();
  if (larger.failure() != nullptr) return larger.failure();
  if (others.made() != other_programs_windows_count ||
      windows_above(smaller.layout().status_form) < other_programs_windows_count ||
      windows_above(larger.layout().status_form) < other_programs_windows_count) {
    return "the other programs' windows could not be made above the messengers' forms";
  }
  if (!both_find_the_windows_of(smaller) || !both_find_the_windows_of(larger)) {
    return "a search found other windows than the messenger's";
  }
  return nullptr;
}

// One pair of searches in the messenger of `process`, back to back, in the order given.
void time_pair(DWORD process, bool ours_first, pair_collector &pairs) {
  double ours = 0;
  double baseline = 0;
  for (int side = 0; side < 2; ++side) {
    const double start = seconds_now();
    if ((side == 0) == ours_first) {
      find_messenger_windows(process);
      ours = seconds_now() - start;
    } else {
      bare_discovery(bare_found, process);
      baseline = seconds_now() - start;
    }
  }
  pairs.add(ours, baseline);
}

// `scaling` is the growth of ours from the smaller case to the larger one, turn by turn.
void print_discovery_row(const bench_case (&cases)[2], const interval &scaling) {
  const verdict linear = judge(scaling, scaling_target);
  print_cases("discovery", cases, 2, ratio_target, linear);
  print_detail(text_line("scaling ours(10k)/ours(1k), turn by turn: ")
                   .add_ratio(scaling)
                   .add(", target ")
                   .add_number(scaling_target, 2)
                   .add(", ")
                   .add(verdict_text(linear)));
  print_detail(
      "ours: find_messenger_windows, the component's own sources built as the DLL is (clang, platform ABI, "
      "-Os, its own runtime)");
  print_detail(
      "baseline: the same calls in a bare loop: FindWindowExW by class and GetWindowThreadProcessId for both "
      "forms, EnumChildWindows over both forms with GetClassNameA, two WM_GETTEXTLENGTH "
      "(SendMessageTimeoutW) per captioned TPanel of the dialog, IsWindow");
  print_detail(
      "decoys: hidden windows of other control classes in group boxes inside both forms of each stand-in "
      "messenger (messenger.exe --decoys N), 1000 top-level windows of other classes above both "
      "messengers; the sizes timed in turns");
}

}  // namespace

int bench_main(bool quick) {
  const crowded_messenger smaller(smaller_decoys);
  const crowded_messenger larger(larger_decoys);
  // Made after the messengers started, so that they lie above their forms.
  const other_programs_windows others(other_programs_windows_count);
  const char *wrong = set_up_wrongly(smaller, larger, others);
  if (wrong != nullptr) {
    say_failure(wrong);
    return 1;
  }
  const int count = repetitions(quick, steady_repetitions);
  pair_collector smaller_pairs(count);
  pair_collector larger_pairs(count);
  pair_collector growth(count);
  for (int i = 0; i < count; ++i) {
    time_pair(smaller.process(), i % 2 == 0, smaller_pairs);
    time_pair(larger.process(), i % 2 == 0, larger_pairs);
    growth.add(larger_pairs.last_ours(), smaller_pairs.last_ours());
  }
  // Both messengers were there all along: the last searches in the larger one found its windows too.
  const bool still_found =
      same_windows(messenger_windows, larger.layout()) && same_windows(bare_found, larger.layout());
  reset_messenger_windows();
  if (!still_found) {
    say_failure("the messenger's windows went away during the measurement");
    return 1;
  }
  const bench_case cases[2] = {{text_line("1000 decoys"), smaller_pairs.result()},
                               {text_line("10000 decoys"), larger_pairs.result()}};
  print_discovery_row(cases, growth.result().ratio);
  return 0;
}
