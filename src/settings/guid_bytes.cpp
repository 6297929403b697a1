#include "settings/guid_bytes.h"

guid_bytes guid_to_bytes(const GUID &guid) {
  guid_bytes bytes{};
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(guid.Data1 >> (8 * i));
  for (int i = 0; i < 2; ++i) {
    bytes[4 + i] = static_cast<std::uint8_t>(guid.Data2 >> (8 * i));
    bytes[6 + i] = static_cast<std::uint8_t>(guid.Data3 >> (8 * i));
  }
  for (int i = 0; i < 8; ++i) bytes[8 + i] = guid.Data4[i];
  return bytes;
}
