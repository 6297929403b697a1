#pragma once

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "boundary/boundary.h"

using bytes = std::vector<std::uint8_t>;

// The host's failure on a short exact read or skip, told apart from the component's own.
class host_stream_shortage : public std::runtime_error {
 public:
  host_stream_shortage() : std::runtime_error("host stream ended") {}
};

// A stored configuration handed over by a host, with a record of how far it was read. Short exact
// reads and skips throw host_stream_shortage.
class memory_input : public input_stream {
 public:
  explicit memory_input(bytes data) : data_(std::move(data)) {}

  t_size read(void *buffer, t_size n, abort_callback &) override {
    const std::size_t left = data_.size() - position_;
    const t_size got = n < left ? n : static_cast<t_size>(left);
    if (got != 0) std::memcpy(buffer, data_.data() + position_, got);
    position_ += got;
    return got;
  }
  void read_exact(void *buffer, t_size n, abort_callback &abort) override {
    if (read(buffer, n, abort) != n) throw host_stream_shortage();
  }
  std::uint64_t skip(std::uint64_t n, abort_callback &) override {
    const std::uint64_t left = data_.size() - position_;
    const std::uint64_t skipped = n < left ? n : left;
    position_ += static_cast<std::size_t>(skipped);
    return skipped;
  }
  void skip_exact(std::uint64_t n, abort_callback &abort) override {
    if (skip(n, abort) != n) throw host_stream_shortage();
  }

  std::size_t position() const { return position_; }

 private:
  bytes data_;
  std::size_t position_ = 0;
};

class memory_output : public output_stream {
 public:
  void write(const void *buffer, t_size n, abort_callback &) override {
    const auto *p = static_cast<const std::uint8_t *>(buffer);
    data_.insert(data_.end(), p, p + n);
  }
  const bytes &data() const { return data_; }

 private:
  bytes data_;
};

class abort_flag : public abort_callback {
 public:
  bool is_aborting() override { return aborting; }
  bool aborting = false;
};
