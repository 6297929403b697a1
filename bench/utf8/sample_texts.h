#pragma once

#include "support/sizes.h"

// The texts the conversions are timed on: one mebibyte of UTF-8 each, NUL-terminated, on the heap
// (free with delete[]).
constexpr t_size sample_bytes = 1 << 20;

// Letters, digits and punctuation, as a Latin track list would have them.
char *ascii_sample();

// Cyrillic (2 bytes a character), CJK (3) and emoji (4, a surrogate pair in UTF-16), separated by
// spaces, ending on a whole character.
char *mixed_sample();
