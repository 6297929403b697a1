#pragma once

#include <windows.h>

// What this process holds at one moment.
struct process_usage {
  double committed_private_bytes;  // memory_in_use.h says what each count is
  double busy_heap_bytes;
  DWORD handles;
  const char *handles_from;  // which call counted them
  DWORD user_objects;        // 0 throughout where the system does not count them (Wine)
  DWORD gdi_objects;
};

process_usage current_process_usage();
