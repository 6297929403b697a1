#pragma once

#include <string>

// The texts the conversions are timed on: one mebibyte of UTF-8 each.
constexpr std::size_t sample_bytes = 1 << 20;

// Letters, digits and punctuation, as a Latin track list would have them.
std::string ascii_sample();

// Cyrillic (2 bytes a character), CJK (3) and emoji (4, a surrogate pair in UTF-16), separated by
// spaces, ending on a whole character.
std::string mixed_sample();
