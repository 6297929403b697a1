#pragma once

#include <cstdint>
#include <type_traits>

#include "settings/cfg_var.h"

// A stored switch: one byte, any nonzero byte reads as true. The byte is kept as it was stored
// and written back unchanged until the switch is set; setting it stores 0 or 1.
template <typename T>
class cfg_int_t : public cfg_var {
  static_assert(std::is_same_v<T, bool>, "only switches are stored");

 public:
  cfg_int_t(const GUID &guid, T default_value) : cfg_var(guid), byte_(default_value ? 1 : 0) {}

  T get() const { return byte_ != 0; }
  void set(T value) { byte_ = value ? 1 : 0; }
  operator T() const { return get(); }
  cfg_int_t &operator=(T value) {
    set(value);
    return *this;
  }

  // An empty record throws from read_exact: the value stays as it was.
  void load_value(input_stream &stream, t_size, abort_callback &abort) override {
    std::uint8_t byte;
    stream.read_exact(&byte, 1, abort);
    byte_ = byte;
  }

  void save_value(output_stream &stream, abort_callback &abort) override { stream.write(&byte_, 1, abort); }

 private:
  std::uint8_t byte_;
};
