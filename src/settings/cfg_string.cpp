#include "settings/cfg_string.h"

cfg_string::cfg_string(const GUID &guid, const char *default_value) : cfg_var(guid), value_(default_value) {}

void cfg_string::load_value(input_stream &stream, t_size, abort_callback &abort) {
  constexpr t_size piece_size = 256;
  pfc::string8 collected;
  char piece[piece_size];
  for (;;) {
    const t_size got = stream.read(piece, piece_size, abort);
    collected.append(piece, got);
    if (got < piece_size) break;
  }
  value_ = collected;
}

void cfg_string::save_value(output_stream &stream, abort_callback &abort) {
  stream.write(value_.text(), value_.length(), abort);
}
