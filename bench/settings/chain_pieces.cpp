#include "chain_pieces.h"

#include <cstring>

#include "host_streams.h"
#include "settings/config_variables.h"
#include "settings/guid_bytes.h"

namespace {

t_size uint32_at(const std::uint8_t *bytes) {
  return static_cast<t_size>(bytes[0]) | static_cast<t_size>(bytes[1]) << 8 |
         static_cast<t_size>(bytes[2]) << 16 | static_cast<t_size>(bytes[3]) << 24;
}

void list_pieces(const std::uint8_t *payload, std::vector<t_size> &pieces) {
  const t_size entries = uint32_at(payload);
  pieces.push_back(4);
  t_size position = 4;
  for (t_size i = 0; i < entries; ++i) {
    const t_size length = uint32_at(payload + position);
    pieces.push_back(4);
    pieces.push_back(length);
    position += 4 + length;
  }
}

}  // namespace

std::vector<t_size> chain_pieces(const std::uint8_t *chain, t_size size) {
  const guid_bytes list_key = guid_to_bytes(cfg_presets.guid());
  std::vector<t_size> pieces;
  t_size position = 0;
  while (size - position >= 20) {
    const t_size payload = uint32_at(chain + position + 16);
    pieces.push_back(16);
    pieces.push_back(4);
    if (std::memcmp(chain + position, list_key.bytes, 16) == 0) {
      list_pieces(chain + position + 20, pieces);
    } else {
      pieces.push_back(payload);
    }
    position += 20 + payload;
  }
  return pieces;
}

void raw_save(const std::uint8_t *chain, const std::vector<t_size> &pieces) {
  collected_bytes_stream out;
  abort_flag go_on;
  t_size position = 0;
  for (const t_size piece : pieces) {
    out.write(chain + position, piece, go_on);
    position += piece;
  }
}

void raw_load(const std::uint8_t *chain, t_size size, const std::vector<t_size> &pieces, std::uint8_t *copy) {
  stored_bytes_stream in(chain, size);
  abort_flag go_on;
  t_size position = 0;
  for (const t_size piece : pieces) {
    in.read_exact(copy + position, piece, go_on);
    position += piece;
  }
  // The loader ends on a read of a key that is not there.
  std::uint8_t key[16];
  in.read(key, 16, go_on);
}
