#pragma once

#include <exception>

// find_single_service: the host has no instance of the class.
class exception_service_not_found : public std::exception {
 public:
  const char *what() const noexcept override { return "Service not found"; }
};

// find_single_service: the host has more than one instance of the class.
class exception_service_duplicated : public std::exception {
 public:
  const char *what() const noexcept override { return "Service duplicated"; }
};
