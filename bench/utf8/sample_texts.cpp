#include "sample_texts.h"

namespace {

std::string repeated(const char *const *words, std::size_t word_count) {
  std::string text;
  text.reserve(sample_bytes);
  for (std::size_t i = 0;; i = (i + 1) % word_count) {
    const std::string word = words[i];
    if (text.size() + word.size() > sample_bytes) break;
    text += word;
  }
  text.append(sample_bytes - text.size(), ' ');
  return text;
}

}  // namespace

std::string ascii_sample() {
  static const char *const words[] = {"Sigur Ros - Svefn-g-englar ", "[Agaetis byrjun #02] ", "(10:04) ",
                                      "The Beatles - Let It Be; ", "track07.ogg "};
  return repeated(words, sizeof words / sizeof words[0]);
}

std::string mixed_sample() {
  static const char *const words[] = {
      "\xD0\x93\xD1\x80\xD1\x83\xD0\xBF\xD0\xBF\xD0\xB0 \xD0\xBA\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB8 ",
      "\xE4\xB8\x8A\xE3\x82\x92\xE5\x90\x91\xE3\x81\x84\xE3\x81\xA6\xE6\xAD\xA9\xE3\x81\x93\xE3\x81\x86 ",
      "\xF0\x9F\x8E\xB5\xF0\x9F\x92\x83 ",
      "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE ",
      "\xE5\x9D\x82\xE6\x9C\xAC\xE4\xB9\x9D ",
  };
  return repeated(words, sizeof words / sizeof words[0]);
}
