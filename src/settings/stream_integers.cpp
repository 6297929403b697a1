#include "settings/stream_integers.h"

#include <cstdint>

t_uint32 read_uint32_le(input_stream &stream, abort_callback &abort) {
  std::uint8_t bytes[4];
  stream.read_exact(bytes, 4, abort);
  return static_cast<t_uint32>(bytes[0]) | static_cast<t_uint32>(bytes[1]) << 8 |
         static_cast<t_uint32>(bytes[2]) << 16 | static_cast<t_uint32>(bytes[3]) << 24;
}

void write_uint32_le(output_stream &stream, t_uint32 value, abort_callback &abort) {
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                 static_cast<std::uint8_t>(value >> 16),
                                 static_cast<std::uint8_t>(value >> 24)};
  stream.write(bytes, 4, abort);
}
