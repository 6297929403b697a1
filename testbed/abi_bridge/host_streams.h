#pragma once

#include <cstdint>

#include "boundary/boundary.h"

// The host's side of a configuration transfer, in the platform's ABI: the stored bytes the host
// hands over, the buffer it collects into and its abort flag.

// Exact reads and skips that come up short throw the host's truncation error.
class stored_bytes_stream : public input_stream {
 public:
  stored_bytes_stream(const void *data, t_size size) : data_(static_cast<const std::uint8_t *>(data)), size_(size) {}

  t_size read(void *buffer, t_size n, abort_callback &abort) override;
  void read_exact(void *buffer, t_size n, abort_callback &abort) override;
  std::uint64_t skip(std::uint64_t n, abort_callback &abort) override;
  void skip_exact(std::uint64_t n, abort_callback &abort) override;

 private:
  const std::uint8_t *data_;
  t_size size_;
  t_size position_ = 0;
};

// Grows a heap block; release() hands it over.
class collected_bytes_stream : public output_stream {
 public:
  collected_bytes_stream() = default;
  collected_bytes_stream(const collected_bytes_stream &) = delete;
  collected_bytes_stream &operator=(const collected_bytes_stream &) = delete;
  ~collected_bytes_stream();

  void write(const void *buffer, t_size n, abort_callback &abort) override;

  // The collected bytes, now the caller's to free.
  void *release(t_size &size);

 private:
  std::uint8_t *data_ = nullptr;
  t_size size_ = 0;
  t_size room_ = 0;
};

class fixed_abort_flag : public abort_callback {
 public:
  explicit fixed_abort_flag(bool aborting) : aborting_(aborting) {}
  bool is_aborting() override { return aborting_; }

 private:
  bool aborting_;
};
