#pragma once

#include <cstdint>
#include <exception>

#include "boundary/boundary.h"
#include "no_copy.h"

// The host's side of a configuration transfer: the stored bytes it hands over, the bytes it collects
// and its abort flag. Written without the C++ standard library, so that the platform-ABI programs
// use it as well as the GCC-built and native ones.

// The host's own failure when the stored bytes end inside an exact read or skip: a class the
// component has never heard of, which it can only meet as a std::exception.
class host_stream_error : public std::exception {
 public:
  explicit host_stream_error(const char *text) noexcept : text_(text) {}
  const char *what() const noexcept override { return text_; }

 private:
  const char *text_;
};

extern const char *const short_read_text;
extern const char *const short_skip_text;

// Reads from bytes the caller keeps alive.
class stored_bytes_stream : public input_stream {
 public:
  stored_bytes_stream(const void *data, t_size size)
      : data_(static_cast<const std::uint8_t *>(data)), size_(size) {}

  t_size read(void *buffer, t_size n, abort_callback &abort) override;
  void read_exact(void *buffer, t_size n, abort_callback &abort) override;
  std::uint64_t skip(std::uint64_t n, abort_callback &abort) override;
  void skip_exact(std::uint64_t n, abort_callback &abort) override;

  t_size position() const { return position_; }

 private:
  const std::uint8_t *data_;
  t_size size_;
  t_size position_ = 0;
};

// Collects into a heap block that release() hands over.
class collected_bytes_stream : public output_stream, private no_copy {
 public:
  collected_bytes_stream() = default;
  ~collected_bytes_stream();

  void write(const void *buffer, t_size n, abort_callback &abort) override;

  const std::uint8_t *data() const { return data_; }
  t_size size() const { return size_; }

  // The collected bytes, now the caller's to free.
  void *release(t_size &size);

  // Forgets the bytes but keeps the room, as a host that saves into the same block again.
  void clear() { size_ = 0; }

 private:
  std::uint8_t *data_ = nullptr;
  t_size size_ = 0;
  t_size room_ = 0;
};

class abort_flag : public abort_callback {
 public:
  abort_flag() = default;
  explicit abort_flag(bool aborting) : aborting(aborting) {}
  bool is_aborting() override { return aborting; }

  bool aborting = false;
};
