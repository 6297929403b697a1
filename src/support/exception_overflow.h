#pragma once

#include <exception>

namespace pfc {

class exception_overflow : public std::exception {
 public:
  const char *what() const noexcept override { return "Overflow"; }
};

}  // namespace pfc
