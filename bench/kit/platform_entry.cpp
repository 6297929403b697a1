// The entry of a benchmark built as the DLL is built: the platform's ABI, the component's own
// runtime, no C++ standard library.
#include <windows.h>

#include "report.h"
#include "runtime/static_objects.h"

namespace {

// Options are ASCII; a plain search of the command line finds the one there is.
bool asks_for_quick(const wchar_t *command_line) {
  const wchar_t option[] = L"--quick";
  for (; *command_line != 0; ++command_line) {
    int i = 0;
    while (option[i] != 0 && command_line[i] == option[i]) ++i;
    if (option[i] == 0) return true;
  }
  return false;
}

}  // namespace

// The platform's compiler marks every object that uses floating point with a reference to this
// symbol, which its C runtime defines; the benchmarks compute in doubles.
extern "C" int _fltused = 0;

extern "C" void __cdecl mainCRTStartup() {
  construct_static_objects();
  const int status = bench_main(asks_for_quick(GetCommandLineW()));
  destroy_static_objects();
  ExitProcess(static_cast<UINT>(status));
}
