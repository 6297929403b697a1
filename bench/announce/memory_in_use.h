#pragma once

// Two counts of this process's own memory, neither of which allocates while it counts.

// Committed private bytes: the regions of the address space that VirtualQuery reports committed
// (MEM_COMMIT) and private to this process (MEM_PRIVATE): heaps, stacks and VirtualAlloc blocks,
// not mapped images or files.
double committed_private_bytes();

// Busy heap bytes: the blocks in use (PROCESS_HEAP_ENTRY_BUSY) in every heap that GetProcessHeaps
// names, each at the size HeapWalk gives for it.
double busy_heap_bytes();
