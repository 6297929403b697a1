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

// Reads an entry's bytes in pieces, so that memory follows the bytes that actually arrive even
// when the record's own size field overstates them.
pfc::string8 read_entry(input_stream &stream, t_size length, abort_callback &abort) {
  constexpr t_size piece_size = 64 * 1024;
  pfc::array_t<char> bytes;
  t_size done = 0;
  while (done < length) {
    const t_size piece = length - done < piece_size ? length - done : piece_size;
    bytes.set_size(done + piece);
    stream.read_exact(&bytes[done], piece, abort);
    done += piece;
  }
  return pfc::string8(bytes.data(), length);
}

}  // namespace

void cfg_stringlist_t::load_value(input_stream &stream, t_size size_hint, abort_callback &abort) {
  record_budget budget(size_hint);
  budget.take(4);
  const t_uint32 entries = read_uint32_le(stream, abort);
  for (t_uint32 i = 0; i < entries; ++i) {
    budget.take(4);
    const t_uint32 length = read_uint32_le(stream, abort);
    budget.take(length);
    items_.add(read_entry(stream, length, abort));
  }
}

void cfg_stringlist_t::save_value(output_stream &stream, abort_callback &abort) {
  const t_size entries = items_.count();
  write_uint32_le(stream, entries, abort);
  pfc::string8 entry;
  for (t_size i = 0; i < entries; ++i) {
    items_.get_copy(entry, i);
    write_uint32_le(stream, entry.length(), abort);
    stream.write(entry.text(), entry.length(), abort);
  }
}
