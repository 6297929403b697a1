#include "memory_in_use.h"

#include <windows.h>

namespace {

// More heaps than a process of this kind has; a fixed array, so that counting allocates nothing.
constexpr DWORD most_heaps = 256;

double busy_bytes_of(HANDLE heap) {
  double bytes = 0;
  // Locked, so that another thread's allocation cannot change the heap under the walk.
  if (!HeapLock(heap)) return 0;
  PROCESS_HEAP_ENTRY entry = {};
  while (HeapWalk(heap, &entry)) {
    if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) bytes += entry.cbData;
  }
  HeapUnlock(heap);
  return bytes;
}

}  // namespace

double committed_private_bytes() {
  double bytes = 0;
  MEMORY_BASIC_INFORMATION region = {};
  for (const char *address = nullptr; VirtualQuery(address, &region, sizeof region) == sizeof region;) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
      bytes += static_cast<double>(region.RegionSize);
    const char *const next = static_cast<const char *>(region.BaseAddress) + region.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return bytes;
}

double busy_heap_bytes() {
  HANDLE heaps[most_heaps];
  const DWORD count = GetProcessHeaps(most_heaps, heaps);
  double bytes = 0;
  for (DWORD i = 0; i < count && i < most_heaps; ++i) bytes += busy_bytes_of(heaps[i]);
  return bytes;
}
