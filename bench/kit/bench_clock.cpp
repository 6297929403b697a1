#include "samples.h"

#ifdef _WIN32
#include <windows.h>

double seconds_now() {
  static double ticks_per_second = 0;
  LARGE_INTEGER ticks;
  if (ticks_per_second == 0) {
    QueryPerformanceFrequency(&ticks);
    ticks_per_second = static_cast<double>(ticks.QuadPart);
  }
  QueryPerformanceCounter(&ticks);
  return static_cast<double>(ticks.QuadPart) / ticks_per_second;
}
#else
#include <time.h>

double seconds_now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}
#endif
