#include "check.h"

#include <windows.h>

#include <cstring>

#include "host_text.h"

namespace {

t_size failures = 0;

void print(const char *text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

void fail(const char *behaviour, const char *detail) {
  ++failures;
  host_text line("FAILED: ");
  line.add(behaviour).add(detail);
  print_line(line.text());
}

}  // namespace

void check(bool passed, const char *behaviour) {
  if (!passed) fail(behaviour, "");
}

void check_text(const char *actual, const char *expected, const char *behaviour) {
  if (actual != nullptr && std::strcmp(actual, expected) == 0) return;
  host_text detail(" (got \"");
  detail.add(actual != nullptr ? actual : "<null>").add("\", expected \"").add(expected).add("\")");
  fail(behaviour, detail.text());
}

void check_number(t_size actual, t_size expected, const char *behaviour) {
  if (actual == expected) return;
  host_text detail(" (got ");
  detail.add_number(actual).add(", expected ").add_number(expected).add(")");
  fail(behaviour, detail.text());
}

t_size failed_checks() { return failures; }

void print_line(const char *text) {
  print(text);
  print("\n");
}
