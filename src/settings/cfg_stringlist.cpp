#include "settings/cfg_stringlist.h"

#include <cstdint>

#include "support/array.h"

#include "settings/io_exceptions.h"
#include "settings/stream_integers.h"

namespace {

// Counts down the bytes the record still holds, so that no length read from it is trusted
// beyond them.
class record_budget {
 public:
  explicit record_budget(t_size bytes) : left_(bytes) {}

  void take(t_size n) {
    if (n > left_) throw foobar2000_io::exception_io_data_truncation();
    left_ -= n;
  }

 private:
  t_size left_;
};

constexpr t_size piece_size = 64 * 1024;

// Reads an entry's bytes into `entry`, which keeps its buffer from one entry to the next. Beyond a
// piece the bytes arrive in pieces, so that memory follows the bytes that actually arrive even when
// the record's own size field overstates them. Either way the text ends at its first NUL byte.
void read_entry(input_stream &stream, t_size length, abort_callback &abort, pfc::string8 &entry) {
  if (length <= piece_size) {
    stream.read_exact(entry.begin_write(length), length, abort);
    entry.end_write();
    return;
  }
  pfc::array_t<char> bytes;
  t_size done = 0;
  while (done < length) {
    const t_size piece = length - done < piece_size ? length - done : piece_size;
    bytes.set_size(done + piece);
    stream.read_exact(&bytes[done], piece, abort);
    done += piece;
  }
  entry.assign(bytes.data(), length);
}

}  // namespace

void cfg_stringlist_t::load_value(input_stream &stream, t_size size_hint, abort_callback &abort) {
  record_budget budget(size_hint);
  budget.take(4);
  const t_uint32 entries = read_uint32_le(stream, abort);
  pfc::string8 entry;
  for (t_uint32 i = 0; i < entries; ++i) {
    budget.take(4);
    const t_uint32 length = read_uint32_le(stream, abort);
    budget.take(length);
    read_entry(stream, length, abort, entry);
    items_.add(entry);
  }
}

void cfg_stringlist_t::save_value(output_stream &stream, abort_callback &abort) {
  const t_size entries = items_.count();
  write_uint32_le(stream, entries, abort);
  for (t_size i = 0; i < entries; ++i) {
    const pfc::string8 &entry = items_[i];
    write_uint32_le(stream, entry.length(), abort);
    stream.write(entry.text(), entry.length(), abort);
  }
}
