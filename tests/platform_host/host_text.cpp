#include "host_text.h"

#include <windows.h>

#include <cstring>

void host_text::append(const char *text, t_size limit) {
  t_size length = 0;
  while (length < limit && text[length] != 0) ++length;
  chars_.append(text, length);
}

void host_text::assign(const char *text, t_size limit) {
  chars_.truncate(0);
  append(text, limit);
}

char *host_text::begin_write(t_size n) {
  if (n > chars_.size()) chars_.grow(n - chars_.size());
  return chars_.data();
}

void host_text::end_write() { chars_.truncate(std::strlen(chars_.data())); }

host_text &host_text::add_number(t_size number) {
  char digits[12];
  wsprintfA(digits, "%u", number);
  return add(digits);
}
