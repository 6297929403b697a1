#pragma once

#include <cstdint>

// Sizes, counts and indices are 32 bits wide on both sides of the host boundary, whatever the
// build machine's own size type is.
using t_size = std::uint32_t;
using t_uint32 = std::uint32_t;

namespace pfc {

using ::t_size;

// "No limit" for byte and unit limits, and "none" for indices.
constexpr t_size infinite_size = 0xFFFFFFFFu;

// a + b, or std::bad_alloc when the sum does not fit in 32 bits.
t_size checked_add(t_size a, t_size b);

// a * b, or std::bad_alloc when the product does not fit in 32 bits.
t_size checked_multiply(t_size a, t_size b);

}  // namespace pfc
