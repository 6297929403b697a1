#include "stored_chain.h"

#include <cstring>

void add_u32(bytes &chain, t_uint32 value) {
  for (int shift = 0; shift < 32; shift += 8) chain.append(static_cast<std::uint8_t>(value >> shift));
}

void add_text(bytes &chain, const char *text) {
  chain.append(reinterpret_cast<const std::uint8_t *>(text), static_cast<t_size>(std::strlen(text)));
}

// A GUID's bytes in memory on this processor are its stored form.
void add_record_head(bytes &chain, const GUID &key, t_uint32 size) {
  chain.append(reinterpret_cast<const std::uint8_t *>(&key), sizeof key);
  add_u32(chain, size);
}

void add_switch_record(bytes &chain, const GUID &key, std::uint8_t value) {
  add_record_head(chain, key, 1);
  chain.append(value);
}

void add_text_record(bytes &chain, const GUID &key, const char *text) {
  add_record_head(chain, key, static_cast<t_uint32>(std::strlen(text)));
  add_text(chain, text);
}

void add_list_record(bytes &chain, const GUID &key, const char *const *entries, t_size count) {
  t_uint32 size = 4;
  for (t_size i = 0; i < count; ++i) size += 4 + static_cast<t_uint32>(std::strlen(entries[i]));
  add_record_head(chain, key, size);
  add_u32(chain, count);
  for (t_size i = 0; i < count; ++i) {
    add_u32(chain, static_cast<t_uint32>(std::strlen(entries[i])));
    add_text(chain, entries[i]);
  }
}

bool holds_record(const std::uint8_t *chain, t_size chain_size, const GUID &key, const void *payload,
                  t_size size) {
  const std::uint8_t *at = chain;
  const std::uint8_t *const end = at + chain_size;
  while (end - at >= 20) {
    const t_uint32 record_size = at[16] | at[17] << 8 | at[18] << 16 | static_cast<t_uint32>(at[19]) << 24;
    if (record_size > static_cast<t_size>(end - at) - 20) return false;
    if (std::memcmp(at, &key, 16) == 0) {
      return record_size == size && std::memcmp(at + 20, payload, size) == 0;
    }
    at += 20 + record_size;
  }
  return false;
}
