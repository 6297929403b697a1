#pragma once

#include <cstdint>
#include <vector>

#include "host/boundary.h"

using byte_buffer = std::vector<std::uint8_t>;

// The stored configuration as the player hands it to the component. The exact operations throw
// the host's truncation error on shortage.
class memory_input_stream : public input_stream {
 public:
  explicit memory_input_stream(const byte_buffer &data) : data_(data) {}

  t_size read(void *buffer, t_size n, abort_callback &abort) override;
  void read_exact(void *buffer, t_size n, abort_callback &abort) override;
  std::uint64_t skip(std::uint64_t n, abort_callback &abort) override;
  void skip_exact(std::uint64_t n, abort_callback &abort) override;

 private:
  const byte_buffer &data_;
  std::size_t position_ = 0;
};

class memory_output_stream : public output_stream {
 public:
  void write(const void *buffer, t_size n, abort_callback &abort) override;
  const byte_buffer &data() const { return data_; }

 private:
  byte_buffer data_;
};

// The player never cancels a configuration transfer.
class never_abort : public abort_callback {
 public:
  bool is_aborting() override { return false; }
};
