// The entry of a benchmark built with a C++ standard library (GCC under Wine, or natively).
#include <cstring>

#include "report.h"

int main(int argc, char **argv) {
  bool quick = false;
  for (int i = 1; i < argc; ++i) quick = quick || std::strcmp(argv[i], "--quick") == 0;
  return bench_main(quick);
}
