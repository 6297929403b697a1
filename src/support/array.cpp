#include "array.h"

namespace pfc {

t_size alloc_fast::allocation_for(t_size allocated, t_size count) {
  t_size allocation = allocated != 0 ? allocated : 1;
  while (allocation < count) allocation = checked_multiply(allocation, 2);
  while (allocation / 4 > count) allocation /= 2;
  return allocation;
}

}  // namespace pfc
