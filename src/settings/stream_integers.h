#pragma once

#include "boundary/boundary.h"

// 32-bit unsigned integers as stored: four bytes, little-endian, in a stream or in memory.
t_uint32 read_uint32_le(input_stream &stream, abort_callback &abort);
void write_uint32_le(output_stream &stream, t_uint32 value, abort_callback &abort);
t_uint32 uint32_le_at(const void *bytes);
void put_uint32_le(void *bytes, t_uint32 value);
