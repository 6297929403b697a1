#include "process_usage.h"

#include <cstring>

#include "memory_in_use.h"

namespace {

// The system's handle table (information class 16), as ntdll hands it out.
constexpr ULONG system_handle_information = 16;
constexpr SIZE_T handle_table_room = 1 << 22;

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
// answers 0 (Wine); 0 when the table cannot be read. The table's room is taken from the system
// and given back whole, so that the heaps look the same before and after.
DWORD handles_in_system_table() {
  const auto query = reinterpret_cast<query_system_information>(
      reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (query == nullptr) return 0;
  auto *const table = static_cast<unsigned char *>(
      VirtualAlloc(nullptr, handle_table_room, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (table == nullptr) return 0;
  ULONG length = 0;
  DWORD own = 0;
  if (query(system_handle_information, table, static_cast<ULONG>(handle_table_room), &length) == 0) {
    ULONG count = 0;
    std::memcpy(&count, table, sizeof count);
    const auto *entries = reinterpret_cast<const handle_entry *>(table + sizeof(ULONG_PTR));
    for (ULONG i = 0; i < count; ++i) own += entries[i].owner_process == GetCurrentProcessId();
  }
  VirtualFree(table, 0, MEM_RELEASE);
  return own;
}

}  // namespace

process_usage current_process_usage() {
  // The memory first: counting the handles takes room for the system's table for a moment.
  process_usage usage = {committed_private_bytes(), busy_heap_bytes(), 0, "GetProcessHandleCount", 0, 0};
  const HANDLE self = GetCurrentProcess();
  usage.user_objects = GetGuiResources(self, GR_USEROBJECTS);
  usage.gdi_objects = GetGuiResources(self, GR_GDIOBJECTS);
  GetProcessHandleCount(self, &usage.handles);
  if (usage.handles == 0) {
    usage.handles = handles_in_system_table();
    usage.handles_from = "the system handle table (GetProcessHandleCount answers 0)";
  }
  return usage;
}
