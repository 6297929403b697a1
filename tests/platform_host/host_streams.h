#pragma once

#include <cstdint>

#include "buffer.h"
#include "boundary/boundary.h"

using bytes = buffer<std::uint8_t>;

// The player's side of a configuration transfer: the stored bytes it hands over, what it collects
// and its abort flag.

// The texts of the host_error that the exact operations throw when the bytes run out.
extern const char *const short_read_text;
extern const char *const short_skip_text;

class host_input_stream : public input_stream {
 public:
  explicit host_input_stream(const bytes &stored) : stored_(stored) {}

  t_size read(void *into, t_size n, abort_callback &abort) override;
  void read_exact(void *into, t_size n, abort_callback &abort) override;
  std::uint64_t skip(std::uint64_t n, abort_callback &abort) override;
  void skip_exact(std::uint64_t n, abort_callback &abort) override;

 private:
  const bytes &stored_;
  t_size position_ = 0;
};

class host_output_stream : public output_stream {
 public:
  void write(const void *from, t_size n, abort_callback &) override {
    collected.append(static_cast<const std::uint8_t *>(from), n);
  }

  bytes collected;
};

class host_abort_flag : public abort_callback {
 public:
  explicit host_abort_flag(bool aborting) : aborting_(aborting) {}
  bool is_aborting() override { return aborting_; }

 private:
  bool aborting_;
};
