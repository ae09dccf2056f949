// Zero-filled memory blocks from the program's heap.
#pragma once

#include <cstdint>

// Address of a zero-filled block; nullptr when size <= 0 or memory is exhausted.
void* MemoryAllocate(int32_t size);
// Frees a block from MemoryAllocate; nullptr is ignored.
void MemoryFree(void* address);
