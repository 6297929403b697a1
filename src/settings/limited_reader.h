#pragma once

#include <cstdint>

#include "boundary/boundary.h"

// A view of at most `limit` bytes of another stream: one stored record. Reads and skips never
// reach past the record; the exact forms throw exception_io_data_truncation on shortage.
class limited_reader : public input_stream {
 public:
  limited_reader(input_stream &source, std::uint64_t limit) : source_(source), remaining_(limit) {}

  t_size read(void *buffer, t_size n, abort_callback &abort) override;
  void read_exact(void *buffer, t_size n, abort_callback &abort) override;
  std::uint64_t skip(std::uint64_t n, abort_callback &abort) override;
  void skip_exact(std::uint64_t n, abort_callback &abort) override;

  std::uint64_t remaining() const { return remaining_; }

 private:
  input_stream &source_;
  std::uint64_t remaining_;
};
