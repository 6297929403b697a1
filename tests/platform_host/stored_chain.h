#pragma once

#include <cstdint>

#include "boundary/boundary.h"
#include "buffer.h"
#include "component_guids.h"

using bytes = buffer<std::uint8_t>;

// The component's stored chain as the player keeps it: records of a 16-byte GUID, a 32-bit
// little-endian payload size and the payload.

namespace setting = component_guid;

void add_u32(bytes &chain, t_uint32 value);
void add_text(bytes &chain, const char *text);

// A record's key and size field only; the payload follows separately.
void add_record_head(bytes &chain, const GUID &key, t_uint32 size);

void add_switch_record(bytes &chain, const GUID &key, std::uint8_t value);
void add_text_record(bytes &chain, const GUID &key, const char *text);
void add_list_record(bytes &chain, const GUID &key, const char *const *entries, t_size count);

// True when the chain holds a record with this key and exactly this payload.
bool holds_record(const std::uint8_t *chain, t_size chain_size, const GUID &key, const void *payload,
                  t_size size);
