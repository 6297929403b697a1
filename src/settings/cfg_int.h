#pragma once

#include <cstdint>

#include "settings/cfg_var.h"

// Stored integers; the component stores switches only, so only cfg_int_t<bool> exists.
template <typename T>
class cfg_int_t;

// A stored switch: one byte, any nonzero byte reads as true. The byte is kept as it was stored
// and written back unchanged until the switch is set; setting it stores 0 or 1.
template <>
class cfg_int_t<bool> : public cfg_var {
 public:
  cfg_int_t(const GUID &guid, bool default_value) : cfg_var(guid), byte_(default_value ? 1 : 0) {}

  bool get() const { return byte_ != 0; }
  void set(bool value) { byte_ = value ? 1 : 0; }
  operator bool() const { return get(); }
  cfg_int_t &operator=(bool value) {
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
