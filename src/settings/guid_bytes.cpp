#include "settings/guid_bytes.h"

guid_bytes guid_to_bytes(const GUID &guid) {
  guid_bytes stored{};
  std::uint8_t *bytes = stored.bytes;
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(guid.Data1 >> (8 * i));
  for (int i = 0; i < 2; ++i) {
    bytes[4 + i] = static_cast<std::uint8_t>(guid.Data2 >> (8 * i));
    bytes[6 + i] = static_cast<std::uint8_t>(guid.Data3 >> (8 * i));
  }
  for (int i = 0; i < 8; ++i) bytes[8 + i] = guid.Data4[i];
  return stored;
}

bool operator==(const guid_bytes &a, const guid_bytes &b) {
  for (int i = 0; i < 16; ++i) {
    if (a.bytes[i] != b.bytes[i]) return false;
  }
  return true;
}
