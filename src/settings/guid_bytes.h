#pragma once

#include <cstdint>

#include "boundary/boundary.h"

// A GUID as stored: the standard Windows memory layout, integers little-endian.
struct guid_bytes {
  std::uint8_t bytes[16];
};

guid_bytes guid_to_bytes(const GUID &guid);

bool operator==(const guid_bytes &a, const guid_bytes &b);
