#include "host_streams.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "settings/io_exceptions.h"
#include "support/sizes.h"

t_size stored_bytes_stream::read(void *buffer, t_size n, abort_callback &) {
  const t_size left = size_ - position_;
  const t_size got = n < left ? n : left;
  if (got != 0) std::memcpy(buffer, data_ + position_, got);
  position_ += got;
  return got;
}

void stored_bytes_stream::read_exact(void *buffer, t_size n, abort_callback &abort) {
  if (read(buffer, n, abort) != n) throw foobar2000_io::exception_io_data_truncation();
}

std::uint64_t stored_bytes_stream::skip(std::uint64_t n, abort_callback &) {
  const t_size left = size_ - position_;
  const t_size skipped = n < left ? static_cast<t_size>(n) : left;
  position_ += skipped;
  return skipped;
}

void stored_bytes_stream::skip_exact(std::uint64_t n, abort_callback &abort) {
  if (skip(n, abort) != n) throw foobar2000_io::exception_io_data_truncation();
}

collected_bytes_stream::~collected_bytes_stream() { std::free(data_); }

void collected_bytes_stream::write(const void *buffer, t_size n, abort_callback &) {
  const t_size needed = pfc::checked_add(size_, n);
  if (needed > room_) {
    t_size room = room_ != 0 ? room_ : 256;
    while (room < needed) room = pfc::checked_multiply(room, 2);
    void *grown = std::realloc(data_, room);
    if (grown == nullptr) throw std::bad_alloc();
    data_ = static_cast<std::uint8_t *>(grown);
    room_ = room;
  }
  if (n != 0) std::memcpy(data_ + size_, buffer, n);
  size_ = needed;
}

void *collected_bytes_stream::release(t_size &size) {
  void *data = data_;
  size = size_;
  data_ = nullptr;
  size_ = room_ = 0;
  return data;
}
