#include "bit_array.h"

t_size bit_array::find(bool value, t_size start, t_size count) const {
  const t_size end = start + count;
  for (t_size i = start; i < end; ++i) {
    if (get(i) == value) return i;
  }
  return end;
}

t_size bit_array_true::find(bool value, t_size start, t_size count) const {
  return value ? start : start + count;
}

t_size bit_array_not::find(bool value, t_size start, t_size count) const {
  return inner_.find(!value, start, count);
}
