#pragma once

#include "sizes.h"

namespace pfc {

// How a string buffer grows or shrinks, given the bytes needed including the terminator.
struct buffer_plan {
  t_size size;      // bytes in use by the buffer
  t_size capacity;  // bytes allocated
};

// Every stored or exchanged string: at most 32 bytes of slack, exactly 16 right after growing.
struct alloc_standard {
  static buffer_plan plan(t_size size, t_size capacity, t_size needed);
};

// The console accumulator: doubling capacity that never shrinks, so appends stay cheap.
struct alloc_fast_aggressive {
  static buffer_plan plan(t_size size, t_size capacity, t_size needed);
};

}  // namespace pfc
