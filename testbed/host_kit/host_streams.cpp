#include "host_streams.h"

#include <cstdlib>
#include <cstring>
#include <new>

const char *const short_read_text = "host stream: the stored bytes end inside an exact read";
const char *const short_skip_text = "host stream: the stored bytes end inside an exact skip";

t_size stored_bytes_stream::read(void *buffer, t_size n, abort_callback &) {
  const t_size left = size_ - position_;
  const t_size got = n < left ? n : left;
  if (got != 0) std::memcpy(buffer, data_ + position_, got);
  position_ += got;
  return got;
}

void stored_bytes_stream::read_exact(void *buffer, t_size n, abort_callback &abort) {
  if (read(buffer, n, abort) != n) throw host_stream_error(short_read_text);
}

std::uint64_t stored_bytes_stream::skip(std::uint64_t n, abort_callback &) {
  const t_size left = size_ - position_;
  const t_size skipped = n < left ? static_cast<t_size>(n) : left;
  position_ += skipped;
  return skipped;
}

void stored_bytes_stream::skip_exact(std::uint64_t n, abort_callback &abort) {
  if (skip(n, abort) != n) throw host_stream_error(short_skip_text);
}

collected_bytes_stream::~collected_bytes_stream() { std::free(data_); }

void collected_bytes_stream::write(const void *buffer, t_size n, abort_callback &) {
  if (n > pfc::infinite_size - size_) throw std::bad_alloc();
  const t_size needed = size_ + n;
  if (needed > room_) {
    t_size room = room_ != 0 ? room_ : 256;
    while (room < needed) room = room <= pfc::infinite_size / 2 ? room * 2 : needed;
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
