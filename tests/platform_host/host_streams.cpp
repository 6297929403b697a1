#include "host_streams.h"

#include <cstring>

#include "host_errors.h"

const char *const short_read_text = "host stream: the stored bytes end inside an exact read";
const char *const short_skip_text = "host stream: the stored bytes end inside an exact skip";

t_size host_input_stream::read(void *into, t_size n, abort_callback &) {
  const t_size left = stored_.size() - position_;
  const t_size got = n < left ? n : left;
  if (got != 0) std::memcpy(into, stored_.data() + position_, got);
  position_ += got;
  return got;
}

void host_input_stream::read_exact(void *into, t_size n, abort_callback &abort) {
  if (read(into, n, abort) != n) throw host_error(short_read_text);
}

std::uint64_t host_input_stream::skip(std::uint64_t n, abort_callback &) {
  const t_size left = stored_.size() - position_;
  const t_size skipped = n < left ? static_cast<t_size>(n) : left;
  position_ += skipped;
  return skipped;
}

void host_input_stream::skip_exact(std::uint64_t n, abort_callback &abort) {
  if (skip(n, abort) != n) throw host_error(short_skip_text);
}
