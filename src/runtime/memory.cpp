// The heap behind new and delete is the C runtime's, the same one the component's strings and lists
// use directly.
#include <cstdlib>
#include <new>

void *operator new(size_t size) {
  void *block = std::malloc(size != 0 ? size : 1);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void *operator new[](size_t size) { return operator new(size); }

void operator delete(void *block) noexcept { std::free(block); }

void operator delete[](void *block) noexcept { std::free(block); }

void operator delete(void *block, size_t) noexcept { std::free(block); }

void operator delete[](void *block, size_t) noexcept { std::free(block); }
