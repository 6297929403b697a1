// platform_host.exe <case>: runs one case, prints a line per failed check and a verdict, and exits 0
// only when every check passed.
#include <windows.h>
#include <shellapi.h>

#include <exception>

#include "cases.h"
#include "check.h"
#include "host_service_bases.h"
#include "host_text.h"
#include "runtime/static_objects.h"

namespace {

struct test_case {
  const char *name;
  void (*run)();
};

const test_case cases[] = {
    {"factory_chain_and_guid_results", factory_chain_and_guid_results},
    {"configuration_round_trip_keeps_every_byte", configuration_round_trip_keeps_every_byte},
    {"a_caught_exception_outlives_the_locals_unwound_before_it",
     a_caught_exception_outlives_the_locals_unwound_before_it},
    {"component_errors_reach_the_host_by_name", component_errors_reach_the_host_by_name},
    {"host_stream_errors_cross_the_loader", host_stream_errors_cross_the_loader},
    {"title_formatting_error_is_reported_on_the_console", title_formatting_error_is_reported_on_the_console},
    {"menu_switch_and_playback_drive_the_messenger", menu_switch_and_playback_drive_the_messenger},
};

// Case names are ASCII.
bool names(const wchar_t *given, const char *name) {
  while (*name != 0 && *given == static_cast<wchar_t>(*name)) ++given, ++name;
  return *name == 0 && *given == 0;
}

// A crash ends the case at once with its verdict, instead of in the system's debugger.
LONG WINAPI report_crash(EXCEPTION_POINTERS *crash) {
  char line[48];
  wsprintfA(line, "the case crashed: exception 0x%08lX", crash->ExceptionRecord->ExceptionCode);
  print_line(line);
  ExitProcess(3);
}

int run_case(const test_case &chosen) {
  try {
    chosen.run();
  } catch (const std::exception &error) {
    host_text line("an exception left the case: ");
    check(false, line.add(error.what()).text());
  } catch (...) {
    check(false, "an exception of an unknown class left the case");
  }
  check(reserved_slot_calls() == 0, "the component calls only the host slots of the contract");
  host_text verdict(chosen.name);
  if (failed_checks() == 0) {
    print_line(verdict.add(": passed").text());
    return 0;
  }
  print_line(verdict.add(": failed checks: ").add_number(failed_checks()).text());
  return 1;
}

int run(const wchar_t *given) {
  for (const test_case &candidate : cases) {
    if (names(given, candidate.name)) return run_case(candidate);
  }
  print_line("platform_host: unknown case; the cases are:");
  for (const test_case &candidate : cases) print_line(candidate.name);
  return 2;
}

}  // namespace

extern "C" void __cdecl mainCRTStartup() {
  SetUnhandledExceptionFilter(report_crash);
  construct_static_objects();
  int count = 0;
  wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const int exit_code = run(arguments != nullptr && count == 2 ? arguments[1] : L"");
  LocalFree(arguments);
  destroy_static_objects();
  ExitProcess(static_cast<UINT>(exit_code));
}
