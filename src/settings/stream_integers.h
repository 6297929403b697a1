#pragma once

#include "boundary/boundary.h"

// 32-bit unsigned integers as stored: four bytes, little-endian.
t_uint32 read_uint32_le(input_stream &stream, abort_callback &abort);
void write_uint32_le(output_stream &stream, t_uint32 value, abort_callback &abort);
