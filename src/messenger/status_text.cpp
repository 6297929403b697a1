#include "messenger/status_text.h"

namespace {

bool is_high_surrogate(wchar_t unit) { return (unit & 0xFC00) == 0xD800; }

}  // namespace

int cut_length(const wchar_t *text, int limit) {
  int length = 0;
  while (length < limit && text[length] != 0) ++length;
  if (length > 0 && is_high_surrogate(text[length - 1])) --length;
  return length;
}
