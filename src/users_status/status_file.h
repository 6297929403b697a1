#pragma once

#include <cstdint>

#include "host_access/system_errors.h"
#include "settings/record_buffer_writer.h"

// What became of an operation on the file: system_error::none when it was done, otherwise the
// system's error code (a read where there is no file: system_error::file_not_found).
using file_error = std::uint32_t;

// The component's own small file, beside the settings the host stores: it holds what the component
// owes the messenger (the status record) from the moment that changes, so that a player that is
// killed before it saves its settings loses nothing. One file per installation of the component, in
// the user's application data folder, so that two player profiles never share one.
class status_file {
 public:
  // The file's bytes, at most `most` of them.
  virtual file_error read(record_bytes &out, t_size most) = 0;
  // Writes the bytes whole under a temporary name of this process's own, then puts that file in
  // the place of the old one.
  virtual file_error replace(const std::uint8_t *bytes, t_size size) = 0;
  // Done, too, where there was no file.
  virtual file_error remove() = 0;

 protected:
  ~status_file() = default;
};

// The file in use: the platform's unless a test installed its own (null puts the platform's back).
// Off Windows the platform has none: nothing is read, and nothing written.
status_file &the_status_file();
void use_status_file(status_file *installed);
