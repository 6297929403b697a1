#pragma once

#include <cstdint>
#include <string>
#include <vector>

using byte_buffer = std::vector<std::uint8_t>;

// The component's stored configuration in the profile folder.
class config_file {
 public:
  explicit config_file(std::wstring path) : path_(std::move(path)) {}

  // The stored bytes; none when there is no file yet. Throws std::runtime_error when the file
  // exists but cannot be read.
  byte_buffer read() const;

  // Replaces the file as a whole: the bytes go to a temporary file first, which then takes the
  // old file's place, so a crash in between leaves the previous file intact.
  void write(const byte_buffer &data) const;

  const std::wstring &path() const { return path_; }

 private:
  std::wstring path_;
};
