#pragma once

#include "boundary/boundary.h"

#include <cstdint>

// Unsigned integers as stored: four bytes (or two), little-endian, in a stream or in memory.
t_uint32 read_uint32_le(input_stream &stream, abort_callback &abort);
void write_uint32_le(output_stream &stream, t_uint32 value, abort_callback &abort);
t_uint32 uint32_le_at(const void *bytes);
void put_uint32_le(void *bytes, t_uint32 value);
std::uint16_t uint16_le_at(const void *bytes);
void put_uint16_le(void *bytes, std::uint16_t value);
