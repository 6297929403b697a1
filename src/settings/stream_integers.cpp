#include "settings/stream_integers.h"

#include <cstdint>

t_uint32 uint32_le_at(const void *bytes) {
  const auto *at = static_cast<const std::uint8_t *>(bytes);
  return static_cast<t_uint32>(at[0]) | static_cast<t_uint32>(at[1]) << 8 |
         static_cast<t_uint32>(at[2]) << 16 | static_cast<t_uint32>(at[3]) << 24;
}

void put_uint32_le(void *bytes, t_uint32 value) {
  auto *at = static_cast<std::uint8_t *>(bytes);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint16_t uint16_le_at(const void *bytes) {
  const auto *at = static_cast<const std::uint8_t *>(bytes);
  return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

void put_uint16_le(void *bytes, std::uint16_t value) {
  auto *at = static_cast<std::uint8_t *>(bytes);
  at[0] = static_cast<std::uint8_t>(value);
  at[1] = static_cast<std::uint8_t>(value >> 8);
}

t_uint32 read_uint32_le(input_stream &stream, abort_callback &abort) {
  std::uint8_t bytes[4];
  stream.read_exact(bytes, 4, abort);
  return uint32_le_at(bytes);
}

void write_uint32_le(output_stream &stream, t_uint32 value, abort_callback &abort) {
  std::uint8_t bytes[4];
  put_uint32_le(bytes, value);
  stream.write(bytes, 4, abort);
}
