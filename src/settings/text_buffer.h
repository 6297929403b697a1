#pragma once

#include "settings/preset_store.h"
#include "support/sizes.h"

// Room for a window's text of `length` UTF-16 units and its terminator. A length whose byte count
// does not fit in 32 bits fails as running out of memory (std::bad_alloc).
inline wide_string text_buffer(t_size length) {
  const t_size units = pfc::checked_add(length, 1);
  pfc::checked_multiply(units, sizeof(pfc::wide_char));
  return wide_string(units, pfc::wide_char(0));
}
