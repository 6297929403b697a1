#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "alloc_policies.h"
#include "exception_overflow.h"
#include "string_base.h"

namespace pfc {

// Number of bytes of text before its first NUL, reading at most limit bytes; 0 for null.
t_size bounded_length(const char *text, t_size limit);

// The component's UTF-8 string. Lengths are in bytes; text() is never null.
template <typename Policy>
class string8_t : public string_base {
 public:
  string8_t() noexcept = default;
  string8_t(const char *text, t_size limit) { assign(text, limit); }
  string8_t(const char *text) { assign(text); }
  string8_t(const string8_t &other) { assign(other.text()); }
  string8_t &operator=(const string8_t &other) {
    assign(other.text());
    return *this;
  }
  string8_t &operator=(const char *text) {
    assign(text);
    return *this;
  }
  ~string8_t() { std::free(buffer_); }

  void append(const char *text, t_size limit = infinite_size) override {
    take_text(text, limit, &string8_t::append_bytes);
  }

  const char *text() const override { return used_ > 0 ? buffer_ : ""; }

  void assign(const char *text, t_size limit = infinite_size) override {
    take_text(text, limit, &string8_t::assign_bytes);
  }

  void shorten(t_size length) override {
    if (used_ <= length) return;
    used_ = length;
    buffer_[length] = 0;
    make_space(length + 1);
  }

  t_size length() const override { return used_; }

  char *begin_write(t_size n) override {
    if (n == infinite_size) throw exception_overflow();
    make_space(n + 1);
    std::memset(buffer_, 0, size_);
    return buffer_;
  }

  void end_write() override {
    if (size_ == 0) return;
    const void *nul = std::memchr(buffer_, 0, size_);
    // A writer that overran its terminator gets its text cut to the buffer, never read past it.
    used_ = nul ? static_cast<t_size>(static_cast<const char *>(nul) - buffer_) : size_ - 1;
    buffer_[used_] = 0;
    make_space(used_ + 1);
  }

  t_size buffer_size() const { return size_; }
  t_size capacity() const { return capacity_; }

  // Exchanges the fields only: no text is copied, nothing is allocated.
  void swap(string8_t &other) noexcept {
    std::swap(buffer_, other.buffer_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
    std::swap(used_, other.used_);
  }

 private:
  bool points_into_buffer(const char *text) const {
    // Compared as addresses: the text may belong to any object.
    const auto address = reinterpret_cast<std::uintptr_t>(text);
    const auto start = reinterpret_cast<std::uintptr_t>(buffer_);
    return buffer_ != nullptr && address >= start && address < start + size_;
  }

  // A text from inside this string's own buffer is copied out first: the buffer may move.
  void take_text(const char *text, t_size limit, void (string8_t::*put)(const char *, t_size)) {
    if (text == nullptr) text = "";
    // Without a limit the C library's search for the terminator is the faster walk.
    const t_size n = bounded_length(text, limit);
    if (points_into_buffer(text)) {
      const string8_t<alloc_standard> copy(text, n);
      (this->*put)(copy.text(), n);
    } else {
      (this->*put)(text, n);
    }
  }

  void append_bytes(const char *text, t_size n) {
    make_space(checked_add(checked_add(used_, n), 1));
    if (n > 0) std::memcpy(buffer_ + used_, text, n);
    used_ += n;
    buffer_[used_] = 0;
  }

  void assign_bytes(const char *text, t_size n) {
    make_space(checked_add(n, 1));
    if (n > 0) std::memcpy(buffer_, text, n);
    used_ = n;
    buffer_[used_] = 0;
  }

  // Resizes the buffer for `needed` bytes, terminator included. On a failed allocation the string
  // keeps its buffer and fields.
  void make_space(t_size needed) {
    const buffer_plan plan = Policy::plan(size_, capacity_, needed);
    if (plan.capacity != capacity_) {
      if (plan.capacity == 0) {
        std::free(buffer_);
        buffer_ = nullptr;
      } else {
        void *grown = std::realloc(buffer_, plan.capacity);
        if (grown == nullptr) throw std::bad_alloc();
        buffer_ = static_cast<char *>(grown);
      }
      capacity_ = plan.capacity;
    }
    size_ = plan.size;
  }

  char *buffer_ = nullptr;
  t_size size_ = 0;
  t_size capacity_ = 0;
  t_size used_ = 0;
};

template <typename Policy>
void swap(string8_t<Policy> &a, string8_t<Policy> &b) noexcept {
  a.swap(b);
}

using string8 = string8_t<alloc_standard>;
using string8_fast_aggressive = string8_t<alloc_fast_aggressive>;

}  // namespace pfc
