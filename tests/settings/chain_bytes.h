#pragma once

#include <cstdint>
#include <string>
#include <vector>

using bytes = std::vector<std::uint8_t>;

// Stored records written out by hand, as a host would hold them.
namespace chain_bytes {

// The variables' GUIDs in their stored layout.
inline const bytes presets = {0xAF, 0x9B, 0x99, 0x7D, 0x2E, 0x51, 0xCD, 0x42,
                              0xA0, 0xFE, 0xF7, 0xC7, 0xB1, 0x01, 0x9C, 0x53};
inline const bytes keep_first_edit = {0x3A, 0xEE, 0x2D, 0x3A, 0xBA, 0x64, 0xD9, 0x4F,
                                      0x86, 0xA7, 0xF5, 0x46, 0xB1, 0x50, 0x4D, 0x0B};
inline const bytes keep_status_picture = {0xA9, 0x29, 0xC1, 0x61, 0xE1, 0xC2, 0x15, 0x4B,
                                          0x84, 0x1F, 0x68, 0x73, 0x6C, 0xED, 0xB4, 0xA9};
inline const bytes music_status_only = {0x40, 0x5D, 0xFC, 0xFB, 0x0E, 0x0B, 0xEE, 0x4B,
                                        0x8B, 0xF8, 0xD4, 0x88, 0x88, 0xF2, 0x6A, 0x25};
inline const bytes top_text = {0xBB, 0x54, 0xEC, 0x13, 0x00, 0x60, 0xBC, 0x40,
                               0xA4, 0xD8, 0x25, 0x99, 0x3B, 0x61, 0x4B, 0xD7};
inline const bytes active_script = {0x14, 0x81, 0xA7, 0xD7, 0xE5, 0xF9, 0xF0, 0x4F,
                                    0xBB, 0x9F, 0x4F, 0xB6, 0x15, 0xB7, 0x41, 0xFA};
inline const bytes enabled = {0x5C, 0xA6, 0xDD, 0x46, 0x58, 0x45, 0xBF, 0x40,
                              0xB2, 0x4D, 0x7C, 0x26, 0x8E, 0x30, 0x8B, 0xB9};
inline const bytes unfamiliar = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,
                                 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10};

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
inline bytes record(const bytes &guid, const bytes &payload) {
  return cat({guid, u32(static_cast<std::uint32_t>(payload.size())), payload});
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
