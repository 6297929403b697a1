#include "settings/cfg_string_list.h"

#include <cstdint>

#include "support/array.h"

#include "boundary/stream_errors.h"
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

// Makes room for `count` bytes; the buffer only grows, so that it is allocated once for entries of
// similar length.
void make_room(pfc::array_t<char> &bytes, t_size count) {
  if (bytes.size() < count) bytes.set_size(count);
}

// Reads an entry's bytes into `bytes`, which keeps its allocation from one entry to the next, and
// puts a terminator after them, so that the entry ends at its first NUL byte. The bytes arrive in
// pieces, so that memory follows the bytes that actually arrive even when the record's own size
// field overstates them.
void read_entry(input_stream &stream, t_size length, abort_callback &abort, pfc::array_t<char> &bytes) {
  constexpr t_size piece_size = 64 * 1024;
  t_size done = 0;
  while (done < length) {
    const t_size piece = length - done < piece_size ? length - done : piece_size;
    make_room(bytes, done + piece);
    stream.read_exact(&bytes[done], piece, abort);
    done += piece;
  }
  make_room(bytes, pfc::checked_add(length, 1));
  bytes[length] = 0;
}

}  // namespace

void cfg_string_list::load_value(input_stream &stream, t_size size_hint, abort_callback &abort) {
  record_budget budget(size_hint);
  budget.take(4);
  const t_uint32 entries = read_uint32_le(stream, abort);
  pfc::array_t<char> bytes;
  for (t_uint32 i = 0; i < entries; ++i) {
    budget.take(4);
    const t_uint32 length = read_uint32_le(stream, abort);
    budget.take(length);
    read_entry(stream, length, abort, bytes);
    pfc::string8 entry(bytes.data(), length);
    items_.add_by_swap(entry);
  }
}

void cfg_string_list::save_value(output_stream &stream, abort_callback &abort) {
  const t_size entries = items_.count();
  write_uint32_le(stream, entries, abort);
  for (t_size i = 0; i < entries; ++i) {
    const pfc::string8 &entry = items_[i];
    write_uint32_le(stream, entry.length(), abort);
    stream.write(entry.text(), entry.length(), abort);
  }
}
