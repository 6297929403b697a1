#include "settings/cfg_string_list.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "boundary/stream_errors.h"
#include "settings/stream_integers.h"

namespace {

// The first read of a record's entries; each further one asks for as much as has arrived so far,
// up to the largest piece, so that a record is read in a few calls and committed memory never runs
// ahead of the bytes that arrived by more than one piece.
constexpr t_size first_piece = 64 * 1024;
constexpr t_size largest_piece = 1024 * 1024;

// The index grows by doubling as entries are added one at a time.
t_size doubled_room(t_size room, t_size needed) {
  t_size grown = room != 0 ? room : 64;
  while (grown < needed) grown = grown <= pfc::infinite_size / 2 ? grown * 2 : needed;
  return grown;
}

template <typename T>
T *reallocated(T *items, t_size count) {
  void *moved = std::realloc(items, pfc::checked_multiply(count, sizeof(T)));
  if (moved == nullptr) throw std::bad_alloc();
  return static_cast<T *>(moved);
}

}  // namespace

cfg_string_list::~cfg_string_list() { remove_all(); }

pfc::string8 cfg_string_list::get_item(t_size index) const {
  const t_size start = starts_[index];
  return pfc::string8(bytes_.data() + start, uint32_le_at(bytes_.data() + start - 4));
}

void cfg_string_list::remove_all() {
  bytes_.release();
  std::free(starts_);
  starts_ = nullptr;
  used_ = count_ = index_room_ = 0;
}

void cfg_string_list::add(const char *text) {
  const t_size length = static_cast<t_size>(std::strlen(text));
  const t_size needed = pfc::checked_add(used_, pfc::checked_add(length, 4));
  bytes_.grow_to(needed, used_);
  if (count_ == index_room_) reserve_index(doubled_room(index_room_, count_ + 1));
  put_uint32_le(bytes_.data() + used_, length);
  std::memcpy(bytes_.data() + used_ + 4, text, length);
  starts_[count_++] = used_ + 4;
  used_ = needed;
}

void cfg_string_list::reserve_index(t_size count) {
  starts_ = reallocated(starts_, count);
  index_room_ = count;
}

t_size cfg_string_list::read_after_entries(input_stream &stream, t_size size, abort_callback &abort) {
  // Address space for all the record claims (a claim beyond what 32 bits can count is taken for
  // as much as they can); memory only for what arrives.
  bytes_.reserve(size <= pfc::infinite_size - used_ ? used_ + size : pfc::infinite_size);
  t_size arrived = 0;
  while (arrived < size) {
    const t_size piece = arrived < first_piece     ? first_piece
                         : arrived < largest_piece ? arrived
                                                   : largest_piece;
    const t_size wanted = size - arrived < piece ? size - arrived : piece;
    const t_size end = used_ + arrived;
    bytes_.grow_to(pfc::checked_add(end, wanted), end);
    const t_size got = stream.read(bytes_.data() + end, wanted, abort);
    arrived += got < wanted ? got : wanted;
    if (got < wanted) break;
  }
  return arrived;
}

void cfg_string_list::load_value(input_stream &stream, t_size size_hint, abort_callback &abort) {
  if (size_hint < 4) throw foobar2000_io::exception_io_data_truncation();
  const t_uint32 entries = read_uint32_le(stream, abort);
  const t_size end = used_ + read_after_entries(stream, size_hint - 4, abort);

  // Every entry takes at least its four length bytes: the index never needs more room than that.
  const t_size most = (end - used_) / 4 < entries ? (end - used_) / 4 : entries;
  if (count_ + most > index_room_) reserve_index(count_ + most);
  t_size position = used_;
  t_uint32 indexed = 0;
  for (; indexed < entries && end - position >= 4; ++indexed) {
    const t_size length = uint32_le_at(bytes_.data() + position);
    if (length > end - position - 4) break;
    starts_[count_++] = position + 4;
    position += 4 + length;
  }
  used_ = position;
  if (indexed < entries) throw foobar2000_io::exception_io_data_truncation();
}

void cfg_string_list::save_value(output_stream &stream, abort_callback &abort) {
  write_uint32_le(stream, count_, abort);
  if (used_ != 0) stream.write(bytes_.data(), used_, abort);
}
