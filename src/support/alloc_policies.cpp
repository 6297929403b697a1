#include "alloc_policies.h"

#include <new>

namespace pfc {

buffer_plan alloc_standard::plan(t_size size, t_size, t_size needed) {
  t_size new_size = size;
  if (size < needed) {
    new_size = checked_add(needed, 16);
  } else if (static_cast<std::uint64_t>(size) > static_cast<std::uint64_t>(needed) + 32) {
    new_size = needed;
  }
  return {new_size, new_size};
}

buffer_plan alloc_fast_aggressive::plan(t_size, t_size capacity, t_size needed) {
  t_size grown = capacity != 0 ? capacity : 1;
  while (grown < needed) grown = checked_multiply(grown, 2);
  return {needed, grown};
}

}  // namespace pfc
