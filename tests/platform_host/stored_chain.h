#pragma once

#include <cstdint>

#include "boundary/boundary.h"
#include "buffer.h"

using bytes = buffer<std::uint8_t>;

// The component's stored chain as the player keeps it: records of a 16-byte GUID, a 32-bit
// little-endian payload size and the payload.

namespace setting {

constexpr GUID enabled = {0x46DDA65C, 0x4558, 0x40BF, {0xB2, 0x4D, 0x7C, 0x26, 0x8E, 0x30, 0x8B, 0xB9}};
constexpr GUID active_script = {0xD7A78114, 0xF9E5, 0x4FF0, {0xBB, 0x9F, 0x4F, 0xB6, 0x15, 0xB7, 0x41, 0xFA}};
constexpr GUID top_text = {0x13EC54BB, 0x6000, 0x40BC, {0xA4, 0xD8, 0x25, 0x99, 0x3B, 0x61, 0x4B, 0xD7}};
constexpr GUID music_status_only = {
    0xFBFC5D40, 0x0B0E, 0x4BEE, {0x8B, 0xF8, 0xD4, 0x88, 0x88, 0xF2, 0x6A, 0x25}};
constexpr GUID keep_status_picture = {
    0x61C129A9, 0xC2E1, 0x4B15, {0x84, 0x1F, 0x68, 0x73, 0x6C, 0xED, 0xB4, 0xA9}};
constexpr GUID keep_first_edit = {
    0x3A2DEE3A, 0x64BA, 0x4FD9, {0x86, 0xA7, 0xF5, 0x46, 0xB1, 0x50, 0x4D, 0x0B}};
constexpr GUID presets = {0x7D999BAF, 0x512E, 0x42CD, {0xA0, 0xFE, 0xF7, 0xC7, 0xB1, 0x01, 0x9C, 0x53}};

}  // namespace setting

void add_u32(bytes &chain, t_uint32 value);
void add_text(bytes &chain, const char *text);

// A record's key and size field only; the payload follows separately.
void add_record_head(bytes &chain, const GUID &key, t_uint32 size);

void add_switch_record(bytes &chain, const GUID &key, std::uint8_t value);
void add_text_record(bytes &chain, const GUID &key, const char *text);
void add_list_record(bytes &chain, const GUID &key, const char *const *entries, t_size count);

// True when the chain holds a record with this key and exactly this payload.
bool holds_record(const std::uint8_t *chain, t_size chain_size, const GUID &key, const void *payload, t_size size);
