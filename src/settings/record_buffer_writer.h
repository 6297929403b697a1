#pragma once

#include <cstdint>

#include "boundary/boundary.h"
#include "support/array.h"

using record_bytes = pfc::array_t<std::uint8_t>;

// Collects one record's payload before it is written, so that its size can go first. Honours the
// abort flag before every append.
class record_buffer_writer : public output_stream {
 public:
  explicit record_buffer_writer(record_bytes &buffer) : buffer_(buffer) {}

  void write(const void *data, t_size n, abort_callback &abort) override;

 private:
  record_bytes &buffer_;
};
