#include "settings/limited_reader.h"

#include "boundary/stream_errors.h"

t_size limited_reader::read(void *buffer, t_size n, abort_callback &abort) {
  const t_size asked = n < remaining_ ? n : static_cast<t_size>(remaining_);
  t_size got = source_.read(buffer, asked, abort);
  // A source that claims more than it was asked for cannot move the record's end.
  if (got > asked) got = asked;
  remaining_ -= got;
  return got;
}

void limited_reader::read_exact(void *buffer, t_size n, abort_callback &abort) {
  if (read(buffer, n, abort) != n) throw foobar2000_io::exception_io_data_truncation();
}

std::uint64_t limited_reader::skip(std::uint64_t n, abort_callback &abort) {
  const std::uint64_t asked = n < remaining_ ? n : remaining_;
  std::uint64_t skipped = source_.skip(asked, abort);
  if (skipped > asked) skipped = asked;
  remaining_ -= skipped;
  return skipped;
}

void limited_reader::skip_exact(std::uint64_t n, abort_callback &abort) {
  if (skip(n, abort) != n) throw foobar2000_io::exception_io_data_truncation();
}
