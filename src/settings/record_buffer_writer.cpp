#include "settings/record_buffer_writer.h"

#include "boundary/stream_errors.h"

void record_buffer_writer::write(const void *data, t_size n, abort_callback &abort) {
  if (abort.is_aborting()) throw foobar2000_io::exception_aborted();
  // The stored size field is 32 bits wide: append() fails a total beyond it as out of memory.
  buffer_.append(static_cast<const std::uint8_t *>(data), n);
}
