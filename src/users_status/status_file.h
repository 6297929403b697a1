#pragma once

#include <cstdint>

#include "settings/record_buffer_writer.h"

// The component's own small file, beside the settings the host stores: it holds what the component
// owes the messenger (the status record) from the moment that changes, so that a player that is
// killed before it saves its settings loses nothing. One file per component path, in the user's
// application data folder, so that two player profiles never share one.
class status_file {
 public:
  // The file's bytes, at most `most` of them; false when there is no file or it cannot be read.
  virtual bool read(record_bytes &out, t_size most) = 0;
  // Writes the bytes whole under a temporary name, then puts that file in the place of the old one.
  virtual void replace(const std::uint8_t *bytes, t_size size) = 0;
  virtual void remove() = 0;

 protected:
  ~status_file() = default;
};

// The file in use: the platform's unless a test installed its own (null puts the platform's back).
// Off Windows the platform has none: nothing is read, and nothing written.
status_file &the_status_file();
void use_status_file(status_file *installed);
