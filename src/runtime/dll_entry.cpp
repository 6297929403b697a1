// The module's entry, under the name the linker looks for in a DLL: what the platform's C runtime
// start-up would do, and nothing else. No host service is called here.
#include <windows.h>

#include "static_objects.h"

extern "C" BOOL WINAPI _DllMainCRTStartup(HINSTANCE module, DWORD reason, void *) {
  if (reason == DLL_PROCESS_ATTACH) {
    // The component has no per-thread state; sparing it thread notifications saves every thread of
    // the host a call into it.
    DisableThreadLibraryCalls(module);
    construct_static_objects();
  } else if (reason == DLL_PROCESS_DETACH) {
    destroy_static_objects();
  }
  return TRUE;
}
