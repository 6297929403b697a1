// Feeds arbitrary bytes to the stored-chain loader as a host would hand them over. Beyond the
// sanitizers' checks: the loader must fail exactly when the bytes do not form whole records (a
// read past a record would put it out of step), and whatever it loaded must save, load and save
// again to identical bytes. The user's status record among them, when it decodes as the current
// version, must encode to the very bytes it came from, but for the words where an opening of the
// dialog was once kept, which it reads past and writes as none.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <vector>

#include "host_streams.h"
#include "settings/config_variables.h"
#include "boundary/stream_errors.h"
#include "settings_reset.h"
#include "users_status/status_record.h"

namespace {

// Whole records only, judged without the loader: each header and payload fits, and what is left
// at the end is shorter than a GUID.
bool whole_records(const std::uint8_t *data, std::size_t size) {
  std::size_t position = 0;
  while (size - position >= 16) {
    if (size - position < 20) return false;
    const std::uint8_t *field = data + position + 16;
    const std::uint64_t payload = static_cast<std::uint64_t>(field[0]) | field[1] << 8 | field[2] << 16 |
                                  static_cast<std::uint64_t>(field[3]) << 24;
    position += 20;
    if (size - position < payload) return false;
    position += static_cast<std::size_t>(payload);
  }
  return true;
}

using bytes = std::vector<std::uint8_t>;

bool load(const bytes &data) {
  stored_bytes_stream in(data.data(), static_cast<t_size>(data.size()));
  abort_flag abort;
  try {
    cfg_var_reader::load_chain(in, abort);
    return true;
  } catch (const host_stream_error &) {
  } catch (const foobar2000_io::exception_io_data &) {
  }
  return false;
}

bytes save() {
  collected_bytes_stream out;
  abort_flag abort;
  cfg_var_writer::save_chain(out, abort);
  return bytes(out.data(), out.data() + out.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  reset_settings();
  const bool loaded = load(bytes(data, data + size));
  if (loaded != whole_records(data, size)) std::abort();

  const record_bytes &owed = cfg_owed_status.bytes;
  status_record decoded;
  if (owed.size() != 0 && owed[0] == 2 && decode_status_record(owed.data(), owed.size(), decoded)) {
    record_bytes again;
    encode_status_record(decoded, again);
    bytes expected(owed.data(), owed.data() + owed.size());
    constexpr std::size_t opening_at = 1 + 4 + 8 + 1;
    std::fill(expected.begin() + opening_at, expected.begin() + opening_at + 8, 0);
    if (bytes(again.data(), again.data() + again.size()) != expected) std::abort();
  }

  const bytes first = save();
  reset_settings();
  if (!load(first)) std::abort();
  if (save() != first) std::abort();
  return 0;
}
