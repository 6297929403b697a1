#include "report.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

void write_out(const char *text, int length) {
#ifdef _WIN32
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, static_cast<DWORD>(length), &written, nullptr);
#else
  while (length > 0) {
    const long written = write(1, text, static_cast<unsigned long>(length));
    if (written <= 0) return;
    text += written;
    length -= static_cast<int>(written);
  }
#endif
}

void print_line(const text_line &line) {
  int length = 0;
  while (line.text()[length] != 0) ++length;
  write_out(line.text(), length);
  write_out("\n", 1);
}

}  // namespace

verdict judge(const interval &ratio, double target) {
  if (ratio.high <= target) return verdict::ok;
  if (ratio.low > target) return verdict::miss;
  return verdict::within_noise;
}

verdict worse(verdict a, verdict b) { return static_cast<int>(a) > static_cast<int>(b) ? a : b; }

const char *verdict_text(verdict v) {
  // In the order of the verdicts.
  static const char *const texts[] = {"ok", "within noise", "MISS"};
  return texts[static_cast<int>(v)];
}

text_line &text_line::add(const char *text) {
  while (*text != 0 && length_ < static_cast<int>(sizeof text_) - 1) text_[length_++] = *text++;
  text_[length_] = 0;
  return *this;
}

text_line &text_line::add_count(long value) {
  char digits[12];
  int count = 0;
  // Digits of the magnitude, negated in unsigned arithmetic so that the most negative value works.
  unsigned long rest =
      value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do {
    digits[count++] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  char text[14];
  int length = 0;
  if (value < 0) text[length++] = '-';
  while (count > 0) text[length++] = digits[--count];
  text[length] = 0;
  return add(text);
}

// In 32-bit integers: the platform build has no helpers for 64-bit division. Values beyond two
// thousand million are not expected in the table.
text_line &text_line::add_number(double value, int decimals) {
  if (value < 0) {
    add("-");
    value = -value;
  }
  if (value > 2e9) value = 2e9;
  long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  long whole = static_cast<long>(value);
  long fraction = static_cast<long>((value - static_cast<double>(whole)) * static_cast<double>(scale) + 0.5);
  if (fraction >= scale) {
    ++whole;
    fraction -= scale;
  }
  add_count(whole);
  if (decimals == 0) return *this;
  char digits[12];
  for (int i = decimals - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + fraction % 10);
    fraction /= 10;
  }
  digits[decimals] = 0;
  return add(".").add(digits);
}

text_line &text_line::add_milliseconds(double seconds) { return add_number(seconds * 1000, 3).add(" ms"); }

text_line &text_line::add_ratio(const interval &ratio) {
  return add_number(ratio.middle, 2)
      .add(" (")
      .add_number(ratio.low, 2)
      .add("-")
      .add_number(ratio.high, 2)
      .add(")");
}

void print_row(const char *name, const text_line &ours, const text_line &baseline, const interval &ratio,
               double target, verdict v) {
  text_line row("bench ");
  row.add(name).add(": ours ").add(ours).add(", baseline ").add(baseline).add(", ratio ").add_ratio(ratio);
  print_line(row.add(", target ").add_number(target, 2).add(", ").add(verdict_text(v)));
}

void print_detail(const text_line &line) { print_line(text_line("  ").add(line)); }

void print_detail(const char *text) { print_detail(text_line(text)); }

verdict print_cases(const char *name, const bench_case *cases, int count, double target, verdict others) {
  const bench_case *shown = &cases[0];
  verdict row = others;
  for (int i = 0; i < count; ++i) {
    if (cases[i].time.ratio.middle > shown->time.ratio.middle) shown = &cases[i];
    row = worse(row, judge(cases[i].time.ratio, target));
  }
  print_row(name, text_line().add_milliseconds(shown->time.ours.middle),
            text_line().add_milliseconds(shown->time.baseline.middle), shown->time.ratio, target, row);
  print_detail(text_line("row: the case with the highest ratio, ").add(shown->what));
  for (int i = 0; i < count; ++i) {
    const timing &time = cases[i].time;
    print_detail(text_line()
                     .add(cases[i].what)
                     .add(": ours ")
                     .add_milliseconds(time.ours.middle)
                     .add(", baseline ")
                     .add_milliseconds(time.baseline.middle)
                     .add(", ratio ")
                     .add_ratio(time.ratio)
                     .add(", ")
                     .add(verdict_text(judge(time.ratio, target))));
  }
  return row;
}

int repetitions(bool quick, int steady) { return quick ? 1 : steady; }
