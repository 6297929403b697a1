// Static constructors: the compiler puts a pointer to each translation unit's initialiser in a
// section named .CRT$XCU; the linker sorts the .CRT$XC* sections by name, so the two markers below
// bracket all of them. Static destructors: the initialisers register each object's destructor with
// atexit, which this module provides for itself (the C runtime's would run them at process exit,
// after this module may already be gone). This file must not see the C runtime's own declaration of
// atexit.
#include "static_objects.h"

extern "C" void *__cdecl malloc(unsigned int size);
extern "C" void *__cdecl realloc(void *block, unsigned int size);
extern "C" void __cdecl free(void *block);
extern "C" void __cdecl abort();

namespace {

using static_function = void(__cdecl *)();

#pragma section(".CRT$XCA", read)
#pragma section(".CRT$XCZ", read)
__declspec(allocate(".CRT$XCA")) const static_function first_constructor = nullptr;
__declspec(allocate(".CRT$XCZ")) const static_function last_constructor = nullptr;

static_function *destructors = nullptr;
unsigned destructor_count = 0;
unsigned destructor_room = 0;

}  // namespace

extern "C" int __cdecl atexit(static_function destructor) {
  if (destructor_count == destructor_room) {
    const unsigned room = destructor_room != 0 ? 2 * destructor_room : 16;
    void *grown = realloc(destructors, room * sizeof(static_function));
    if (grown == nullptr) return -1;
    destructors = static_cast<static_function *>(grown);
    destructor_room = room;
  }
  destructors[destructor_count++] = destructor;
  return 0;
}

// Called when a function that must not throw lets an exception out.
extern "C" void __cdecl __std_terminate() { abort(); }

void construct_static_objects() {
  for (const static_function *entry = &first_constructor + 1; entry < &last_constructor; ++entry) {
    if (*entry != nullptr) (*entry)();
  }
}

void destroy_static_objects() {
  while (destructor_count > 0) destructors[--destructor_count]();
  free(destructors);
  destructors = nullptr;
  destructor_room = 0;
}
