#pragma once

#include <cstdint>
#include <vector>

#include "host/boundary.h"

// Collects one record's payload before it is written, so that its size can go first. Honours the
// abort flag before every append.
class record_buffer_writer : public output_stream {
 public:
  explicit record_buffer_writer(std::vector<std::uint8_t> &buffer) : buffer_(buffer) {}

  void write(const void *data, t_size n, abort_callback &abort) override;

 private:
  std::vector<std::uint8_t> &buffer_;
};
