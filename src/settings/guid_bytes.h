#pragma once

#include <array>
#include <cstdint>

#include "host/boundary.h"

// A GUID as stored: the standard Windows memory layout, integers little-endian.
using guid_bytes = std::array<std::uint8_t, 16>;

guid_bytes guid_to_bytes(const GUID &guid);
