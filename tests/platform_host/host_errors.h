#pragma once

#include <exception>

// The host's own failure: a class the component has never heard of, which it can only meet as a
// std::exception.
class host_error : public std::exception {
 public:
  explicit host_error(const char *text) noexcept : std::exception(text) {}
};

// The player's stream failures as its headers name them. Exceptions are matched across modules by
// these names, so the host catches the component's classes through its own declarations.
namespace foobar2000_io {

class exception_io : public std::exception {};

class exception_io_data : public exception_io {};

}  // namespace foobar2000_io
