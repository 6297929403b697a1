#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "component_guids.h"

using bytes = std::vector<std::uint8_t>;

// Stored records written out by hand, as a host would hold them.
namespace chain_bytes {

using namespace component_guid;

// A GUID in its stored layout: the 16 bytes as they stand in memory.
inline bytes key_bytes(const GUID &guid) {
  const auto *first = reinterpret_cast<const std::uint8_t *>(&guid);
  return bytes(first, first + sizeof guid);
}

// A key no version of the component has used.
constexpr GUID unfamiliar = {0x04030201, 0x0605, 0x0807, {0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10}};

inline bytes u32(std::uint32_t v) {
  return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
          static_cast<std::uint8_t>(v >> 24)};
}

inline bytes text(const std::string &s) { return bytes(s.begin(), s.end()); }

inline bytes cat(std::initializer_list<bytes> parts) {
  bytes all;
  for (const bytes &part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// A record whose size field matches its payload.
inline bytes record(const GUID &key, const bytes &payload) {
  return cat({key_bytes(key), u32(static_cast<std::uint32_t>(payload.size())), payload});
}

// A string-list payload with an honest count.
inline bytes list_payload(std::initializer_list<std::string> entries) {
  bytes all = u32(static_cast<std::uint32_t>(entries.size()));
  for (const std::string &entry : entries) {
    all = cat({all, u32(static_cast<std::uint32_t>(entry.size())), text(entry)});
  }
  return all;
}

}  // namespace chain_bytes
