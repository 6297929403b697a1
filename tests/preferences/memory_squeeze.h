#pragma once

#include <cstddef>
#include <vector>

// Takes every free stretch of the process's address space of at least `limit` bytes for its life,
// so that allocating that much fails as it does in a process whose memory is used up, while
// smaller allocations go on working.
class memory_squeeze {
 public:
  explicit memory_squeeze(std::size_t limit);
  ~memory_squeeze();
  memory_squeeze(const memory_squeeze &) = delete;
  memory_squeeze &operator=(const memory_squeeze &) = delete;

 private:
  std::vector<void *> taken_;
};
