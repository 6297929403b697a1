#include "report.h"

#include <cstdio>

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string milliseconds(double seconds) { return fixed(seconds * 1000, 3) + " ms"; }

void print_row(const std::string &name, const std::string &ours, const std::string &baseline, double ratio,
               double target, bool ok) {
  std::printf("bench %s: ours %s, baseline %s, ratio %s, target %s, %s\n", name.c_str(), ours.c_str(),
              baseline.c_str(), fixed(ratio, 2).c_str(), fixed(target, 2).c_str(), ok ? "ok" : "MISS");
  std::fflush(stdout);
}

void print_detail(const std::string &text) {
  std::printf("  %s\n", text.c_str());
  std::fflush(stdout);
}

bool print_cases(const std::string &name, const std::vector<bench_case> &cases, double target,
                 bool other_targets_met) {
  const bench_case *worst = &cases.front();
  for (const bench_case &c : cases) {
    if (c.ratio() > worst->ratio()) worst = &c;
  }
  const bool ok = worst->ratio() <= target && other_targets_met;
  print_row(name, milliseconds(worst->time.ours), milliseconds(worst->time.baseline), worst->ratio(), target, ok);
  print_detail("row: the case with the highest ratio, " + worst->what);
  for (const bench_case &c : cases) {
    print_detail(c.what + ": ours " + milliseconds(c.time.ours) + ", baseline " + milliseconds(c.time.baseline) +
                 ", ratio " + fixed(c.ratio(), 2));
  }
  return ok;
}
