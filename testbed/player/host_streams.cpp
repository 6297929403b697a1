#include "host_streams.h"

#include <cstring>

#include "settings/io_exceptions.h"

t_size memory_input_stream::read(void *buffer, t_size n, abort_callback &abort) {
  if (abort.is_aborting()) throw foobar2000_io::exception_aborted();
  const std::size_t left = data_.size() - position_;
  const t_size got = n < left ? n : static_cast<t_size>(left);
  if (got != 0) std::memcpy(buffer, data_.data() + position_, got);
  position_ += got;
  return got;
}

void memory_input_stream::read_exact(void *buffer, t_size n, abort_callback &abort) {
  if (read(buffer, n, abort) != n) throw foobar2000_io::exception_io_data_truncation();
}

std::uint64_t memory_input_stream::skip(std::uint64_t n, abort_callback &abort) {
  if (abort.is_aborting()) throw foobar2000_io::exception_aborted();
  const std::uint64_t left = data_.size() - position_;
  const std::uint64_t skipped = n < left ? n : left;
  position_ += static_cast<std::size_t>(skipped);
  return skipped;
}

void memory_input_stream::skip_exact(std::uint64_t n, abort_callback &abort) {
  if (skip(n, abort) != n) throw foobar2000_io::exception_io_data_truncation();
}

void memory_output_stream::write(const void *buffer, t_size n, abort_callback &abort) {
  if (abort.is_aborting()) throw foobar2000_io::exception_aborted();
  const auto *bytes = static_cast<const std::uint8_t *>(buffer);
  data_.insert(data_.end(), bytes, bytes + n);
}
