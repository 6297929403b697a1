#include "memory_squeeze.h"

#include <windows.h>

#include <algorithm>

namespace {

// Large pieces first, so that a few hundred reservations cover the address space.
constexpr std::size_t largest_piece = std::size_t(1) << 30;

}  // namespace

memory_squeeze::memory_squeeze(std::size_t limit) {
  std::size_t size = std::max(limit, largest_piece);
  while (true) {
    while (void *taken = VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS)) taken_.push_back(taken);
    if (size == limit) return;
    size = std::max(limit, size / 2);
  }
}

memory_squeeze::~memory_squeeze() {
  for (void *taken : taken_) VirtualFree(taken, 0, MEM_RELEASE);
}
