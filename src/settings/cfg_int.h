#pragma once

#include <cstdint>
#include <type_traits>

#include "settings/cfg_var.h"

// A stored switch: one byte, 0 for false and 1 for true; any nonzero byte loads as true.
template <typename T>
class cfg_int_t : public cfg_var {
  static_assert(std::is_same_v<T, bool>, "only switches are stored");

 public:
  cfg_int_t(const GUID &guid, T default_value) : cfg_var(guid), value_(default_value) {}

  T get() const { return value_; }
  void set(T value) { value_ = value; }
  operator T() const { return value_; }
  cfg_int_t &operator=(T value) {
    value_ = value;
    return *this;
  }

  // An empty record throws from read_exact: the value stays as it was.
  void load_value(input_stream &stream, t_size, abort_callback &abort) override {
    std::uint8_t byte;
    stream.read_exact(&byte, 1, abort);
    value_ = byte != 0;
  }

  void save_value(output_stream &stream, abort_callback &abort) override {
    const std::uint8_t byte = value_ ? 1 : 0;
    stream.write(&byte, 1, abort);
  }

 private:
  T value_;
};
