#include "growing_block.h"

#include <cstring>
#include <new>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#endif

namespace pfc {

namespace {

// Reservations are made in whole units of the system's allocation granularity (64 KiB on Windows),
// commits in pages.
constexpr t_size reservation_unit = 64 * 1024;
constexpr t_size page = 4096;

// Sizes that do not round up within 32 bits cannot be had at all.
t_size rounded_up(t_size bytes, t_size unit) {
  if (bytes > infinite_size - (unit - 1)) throw std::bad_alloc();
  return (bytes + unit - 1) / unit * unit;
}

char *reserve_space(t_size bytes) {
#ifdef _WIN32
  return static_cast<char *>(VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS));
#else
  void *space = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  return space != MAP_FAILED ? static_cast<char *>(space) : nullptr;
#endif
}

bool commit(char *start, t_size bytes) {
#ifdef _WIN32
  return VirtualAlloc(start, bytes, MEM_COMMIT, PAGE_READWRITE) != nullptr;
#else
  if (mprotect(start, bytes, PROT_READ | PROT_WRITE) != 0) return false;
  madvise(start, bytes, MADV_POPULATE_WRITE);
  return true;
#endif
}

void give_back(char *start, t_size bytes) {
#ifdef _WIN32
  (void)bytes;
  VirtualFree(start, 0, MEM_RELEASE);
#else
  munmap(start, bytes);
#endif
}

}  // namespace

void growing_block::reserve(t_size bytes) {
  if (bytes > reservation_limit) bytes = reservation_limit;
  if (bytes <= reserved_) return;
  try {
    move_to(rounded_up(bytes, reservation_unit), committed_);
  } catch (const std::bad_alloc &) {
    // Kept as it is: grow_to finds room as the bytes come.
  }
}

void growing_block::grow_to(t_size bytes, t_size kept) {
  if (bytes <= committed_) return;
  if (bytes > reserved_) {
    // Outgrown: a reservation twice as large, so that a block grown a little at a time moves
    // rarely; exactly the size asked for when the address space has no room for that.
    const t_size doubled = reserved_ <= infinite_size / 2 ? reserved_ * 2 : infinite_size;
    const t_size exact = rounded_up(bytes, reservation_unit);
    try {
      move_to(doubled > exact ? rounded_up(doubled, reservation_unit) : exact, kept);
    } catch (const std::bad_alloc &) {
      if (doubled <= exact) throw;
      move_to(exact, kept);
    }
  }
  const t_size target = rounded_up(bytes, page);
  if (!commit(data_ + committed_, target - committed_)) throw std::bad_alloc();
  committed_ = target;
}

void growing_block::move_to(t_size size, t_size kept) {
  if (kept > committed_) kept = committed_;
  char *space = reserve_space(size);
  if (space == nullptr) throw std::bad_alloc();
  const t_size carried = rounded_up(kept, page);
  if (carried != 0) {
    if (!commit(space, carried)) {
      give_back(space, size);
      throw std::bad_alloc();
    }
    std::memcpy(space, data_, kept);
  }
  release();
  data_ = space;
  reserved_ = size;
  committed_ = carried;
}

void growing_block::release() {
  if (data_ != nullptr) give_back(data_, reserved_);
  data_ = nullptr;
  committed_ = reserved_ = 0;
}

}  // namespace pfc
