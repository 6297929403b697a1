#pragma once

#include "sizes.h"

// Selection masks over list positions; short-lived objects made on the stack for one call.
class bit_array {
 public:
  virtual bool get(t_size index) const = 0;
  // The first index in [start, start + count) whose get() equals value, or start + count.
  virtual t_size find(bool value, t_size start, t_size count) const;

 protected:
  ~bit_array() = default;
};

class bit_array_true : public bit_array {
 public:
  bool get(t_size) const override { return true; }
  t_size find(bool value, t_size start, t_size count) const override;
};

class bit_array_not : public bit_array {
 public:
  explicit bit_array_not(const bit_array &inner) : inner_(inner) {}
  bool get(t_size index) const override { return !inner_.get(index); }
  t_size find(bool value, t_size start, t_size count) const override;

 private:
  const bit_array &inner_;
};
