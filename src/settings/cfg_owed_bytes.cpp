#include "settings/cfg_owed_bytes.h"

void cfg_owed_bytes::forget() {
  bytes.set_size(0);
  stored_owes_ = false;
}

void cfg_owed_bytes::load_value(input_stream &stream, t_size, abort_callback &abort) {
  forget();
  // Read as the bytes arrive, and never more than `most` and a piece.
  std::uint8_t piece[1024];
  for (;;) {
    const t_size got = stream.read(piece, sizeof piece, abort);
    bytes.append(piece, got);
    if (got < sizeof piece || bytes.size() > most_) break;
  }
  if (bytes.size() > most_) bytes.set_size(0);
  stored_owes_ = bytes.size() != 0;
}

void cfg_owed_bytes::save_value(output_stream &stream, abort_callback &abort) {
  stream.write(bytes.data(), bytes.size(), abort);
}
