#include "sizes.h"

#include <new>

namespace pfc {

t_size checked_add(t_size a, t_size b) {
  if (b > infinite_size - a) throw std::bad_alloc();
  return a + b;
}

t_size checked_multiply(t_size a, t_size b) {
  if (a != 0 && b > infinite_size / a) throw std::bad_alloc();
  return a * b;
}

}  // namespace pfc
