#include "sample_texts.h"

namespace {

t_size length_of(const char *text) {
  t_size length = 0;
  while (text[length] != 0) ++length;
  return length;
}

// The words over and over, as many whole ones as fit, then spaces up to the size.
char *repeated(const char *const *words, t_size word_count) {
  char *text = new char[sample_bytes + 1];
  t_size used = 0;
  for (t_size i = 0;; i = (i + 1) % word_count) {
    const t_size length = length_of(words[i]);
    if (used + length > sample_bytes) break;
    for (t_size k = 0; k < length; ++k) text[used + k] = words[i][k];
    used += length;
  }
  while (used < sample_bytes) text[used++] = ' ';
  text[used] = 0;
  return text;
}

}  // namespace

char *ascii_sample() {
  static const char *const words[] = {"Sigur Ros - Svefn-g-englar ", "[Agaetis byrjun #02] ", "(10:04) ",
                                      "The Beatles - Let It Be; ", "track07.ogg "};
  return repeated(words, sizeof words / sizeof words[0]);
}

char *mixed_sample() {
  static const char *const words[] = {
      "\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0 \xD0\xBA\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB8 ",
      "\xE4\xB8\x8A\xE3\x82\x92\xE5\x90\x91\xE3\x81\x84\xE3\x81\xA6\xE6\xAD\xA9\xE3\x81\x93\xE3\x81\x86 ",
      "\xF0\x9F\x8E\xB5\xF0\x9F\x92\x83 ",
      "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE ",
      "\xE5\x9D\x82\xE6\x9C\xAC\xE4\xB9\x9D ",
  };
  return repeated(words, sizeof words / sizeof words[0]);
}
