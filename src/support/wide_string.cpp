#include "wide_string.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace pfc {

namespace {

const wide_char empty_text[1] = {0};

t_size length_of(const wide_char *text) {
  t_size length = 0;
  if (text != nullptr) {
    while (text[length] != 0) ++length;
  }
  return length;
}

wide_char *allocate_units(t_size units) {
  void *block = std::calloc(units, sizeof(wide_char));
  if (block == nullptr) throw std::bad_alloc();
  return static_cast<wide_char *>(block);
}

}  // namespace

wide_string::wide_string(const wide_char *text) : wide_string(text, length_of(text)) {}

wide_string::wide_string(const wide_char *text, t_size length) {
  if (length == 0) return;
  buffer_ = allocate_units(checked_add(length, 1));
  std::memcpy(buffer_, text, length * sizeof(wide_char));
  length_ = length;
}

wide_string::wide_string(const wide_string &other) : wide_string(other.buffer_, other.length_) {}

wide_string::wide_string(wide_string &&other) noexcept { swap(other); }

wide_string &wide_string::operator=(const wide_string &other) {
  if (this != &other) {
    wide_string copy(other);
    swap(copy);
  }
  return *this;
}

wide_string::~wide_string() { std::free(buffer_); }

const wide_char *wide_string::c_str() const { return buffer_ != nullptr ? buffer_ : empty_text; }

wide_char *wide_string::buffer_for(t_size length) {
  const t_size units = checked_add(length, 1);
  checked_multiply(units, sizeof(wide_char));
  wide_char *room = allocate_units(units);
  std::free(buffer_);
  buffer_ = room;
  length_ = length;
  return buffer_;
}

void wide_string::set_length(t_size length) {
  if (length >= length_) return;
  length_ = length;
  buffer_[length] = 0;
}

void wide_string::remove_all(wide_char unit) {
  t_size kept = 0;
  for (t_size i = 0; i < length_; ++i) {
    if (buffer_[i] != unit) buffer_[kept++] = buffer_[i];
  }
  set_length(kept);
}

void wide_string::swap(wide_string &other) noexcept {
  wide_char *const buffer = buffer_;
  const t_size length = length_;
  buffer_ = other.buffer_;
  length_ = other.length_;
  other.buffer_ = buffer;
  other.length_ = length;
}

bool operator==(const wide_string &a, const wide_string &b) {
  return a.length() == b.length() && std::memcmp(a.c_str(), b.c_str(), a.length() * sizeof(wide_char)) == 0;
}

}  // namespace pfc
