#include "raw_copy.h"

#include <cstring>

#include "host_streams.h"
#include "settings/config_variables.h"
#include "settings/guid_bytes.h"
#include "settings/stream_integers.h"

void raw_load(const void *chain, t_size size, pfc::growing_block &copy) {
  const guid_bytes list_key = guid_to_bytes(cfg_presets.guid());
  copy.reserve(size);
  copy.grow_to(size, 0);
  auto *to = reinterpret_cast<unsigned char *>(copy.data());
  stored_bytes_stream in(chain, size);
  abort_flag go_on;
  t_size position = 0;
  while (size - position >= 20) {
    in.read_exact(to + position, 16, go_on);
    in.read_exact(to + position + 16, 4, go_on);
    const t_size payload = uint32_le_at(to + position + 16);
    const bool list = std::memcmp(to + position, list_key.bytes, 16) == 0;
    position += 20;
    if (!list) {
      in.read_exact(to + position, payload, go_on);
      position += payload;
      continue;
    }
    in.read_exact(to + position, 4, go_on);
    const t_size entries = uint32_le_at(to + position);
    position += 4;
    for (t_size i = 0; i < entries; ++i) {
      in.read_exact(to + position, 4, go_on);
      const t_size length = uint32_le_at(to + position);
      in.read_exact(to + position + 4, length, go_on);
      position += 4 + length;
    }
  }
  // The loader ends on a read of a key that is not there.
  unsigned char key[16];
  in.read(key, 16, go_on);
}

void raw_save(const void *chain, t_size size, output_stream &out) {
  const auto *bytes = static_cast<const unsigned char *>(chain);
  abort_flag go_on;
  t_size position = 0;
  while (size - position >= 20) {
    const t_size payload = uint32_le_at(bytes + position + 16);
    out.write(bytes + position, 16, go_on);
    out.write(bytes + position + 16, 4, go_on);
    out.write(bytes + position + 20, payload, go_on);
    position += 20 + payload;
  }
}
