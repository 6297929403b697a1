#include "string8.h"

namespace pfc {

t_size bounded_length(const char *text, t_size limit) {
  if (text == nullptr) return 0;
  t_size n = 0;
  while (n < limit && text[n] != 0) ++n;
  return n;
}

}  // namespace pfc
