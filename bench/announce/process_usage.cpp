#include "process_usage.h"

#include <psapi.h>

#include <cstring>
#include <vector>

namespace {

// The system's handle table (information class 16), as ntdll hands it out.
constexpr ULONG system_handle_information = 16;

struct handle_entry {
  ULONG owner_process;
  BYTE object_type;
  BYTE flags;
  USHORT value;
  PVOID object;
  ULONG access;
};

using query_system_information = LONG(WINAPI *)(ULONG, PVOID, ULONG, PULONG);

// Handles of this process in the system's handle table, for systems whose GetProcessHandleCount
// answers 0 (Wine); 0 when the table cannot be read.
DWORD handles_in_system_table() {
  const auto query = reinterpret_cast<query_system_information>(
      reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (query == nullptr) return 0;
  std::vector<unsigned char> table(1 << 22);
  ULONG length = 0;
  if (query(system_handle_information, table.data(), static_cast<ULONG>(table.size()), &length) != 0) return 0;
  ULONG count = 0;
  std::memcpy(&count, table.data(), sizeof count);
  const auto *entries = reinterpret_cast<const handle_entry *>(table.data() + sizeof(ULONG_PTR));
  DWORD own = 0;
  for (ULONG i = 0; i < count; ++i) own += entries[i].owner_process == GetCurrentProcessId();
  return own;
}

}  // namespace

process_usage current_process_usage() {
  const HANDLE self = GetCurrentProcess();
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(self, &memory, sizeof memory);
  process_usage usage = {static_cast<double>(memory.PagefileUsage), 0, "GetProcessHandleCount",
                         GetGuiResources(self, GR_USEROBJECTS), GetGuiResources(self, GR_GDIOBJECTS)};
  GetProcessHandleCount(self, &usage.handles);
  if (usage.handles == 0) {
    usage.handles = handles_in_system_table();
    usage.handles_from = "the system handle table (GetProcessHandleCount answers 0)";
  }
  return usage;
}
