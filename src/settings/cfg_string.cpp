#include "settings/cfg_string.h"

#include "boundary/stream_errors.h"

cfg_string::cfg_string(const GUID &guid, const char *default_value) : cfg_var(guid), value_(default_value) {}

void cfg_string::load_value(input_stream &stream, t_size size_hint, abort_callback &abort) {
  constexpr t_size piece_size = 256;
  pfc::string8 collected;
  char piece[piece_size];
  t_size arrived = 0;
  for (;;) {
    const t_size got = stream.read(piece, piece_size, abort);
    collected.append(piece, got);
    arrived += got;
    if (got < piece_size) break;
  }
  // A record cut short (a stored file that ends inside it) holds only the start of the text; that
  // start is not the user's text, so the value stays as it was.
  if (arrived < size_hint) throw foobar2000_io::exception_io_data_truncation();
  value_ = collected;
}

void cfg_string::save_value(output_stream &stream, abort_callback &abort) {
  stream.write(value_.text(), value_.length(), abort);
}
