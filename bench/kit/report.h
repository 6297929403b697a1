#pragma once

#include "samples.h"

// The table scripts/bench prints: one row per benchmark,
//   bench NAME: ours X, baseline Y, ratio R (95 % interval L-H), target T, VERDICT
// and indented detail lines under it. The verdict is "ok" when the whole interval of the ratio meets
// the target, "MISS" when none of it does, and "within noise" when the target lies inside it: the
// samples cannot tell then. Written without the C++ standard library.

enum class verdict { ok, within_noise, miss };

verdict judge(const interval &ratio, double target);

// The less favourable of two verdicts.
verdict worse(verdict a, verdict b);

const char *verdict_text(verdict v);

// A line of text built in place; what does not fit is cut off.
class text_line {
 public:
  text_line() = default;
  explicit text_line(const char *text) { add(text); }

  text_line &add(const char *text);
  text_line &add(const text_line &other) { return add(other.text()); }
  text_line &add_number(double value, int decimals);  // decimals at most 6
  text_line &add_count(long value);
  // "12.345 ms" for a time given in seconds.
  text_line &add_milliseconds(double seconds);
  // "1.23 (1.10-1.31)"
  text_line &add_ratio(const interval &ratio);

  const char *text() const { return text_; }

 private:
  char text_[256] = {};
  int length_ = 0;
};

void print_row(const char *name, const text_line &ours, const text_line &baseline, const interval &ratio,
               double target, verdict v);

// An indented line under the row.
void print_detail(const text_line &line);
void print_detail(const char *text);

// One measured case of a benchmark, e.g. one text in one direction.
struct bench_case {
  text_line what;
  timing time;
};

// The row shows the case with the highest median ratio (named in the first detail line); every case
// follows as a detail line with its own verdict. The row's verdict is the worst of its cases' and
// `others`. Returns it.
verdict print_cases(const char *name, const bench_case *cases, int count, double target,
                    verdict others = verdict::ok);

// How often each side of a benchmark runs: once when the command line asks for a quick run (which
// only shows that the benchmark works), otherwise `steady` times.
int repetitions(bool quick, int steady);

// Every benchmark program's body; its exit status is the program's.
int bench_main(bool quick);
