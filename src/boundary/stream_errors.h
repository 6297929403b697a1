#pragma once

#include <exception>

// The host's stream failures. They cross the boundary matched by their type names, so the names and
// the base chain matter; each class carries one fixed message.
namespace foobar2000_io {

class exception_io : public std::exception {
 public:
  const char *what() const noexcept override { return "Input/output error"; }
};

class exception_io_data : public exception_io {
 public:
  const char *what() const noexcept override { return "Unsupported format or corrupted file"; }
};

class exception_io_data_truncation : public exception_io_data {
 public:
  const char *what() const noexcept override { return "Unsupported format or corrupted file"; }
};

class exception_aborted : public std::exception {
 public:
  const char *what() const noexcept override { return "User abort"; }
};

}  // namespace foobar2000_io
