#include "runtime/base/memory.h"

#include <cstdlib>

void* MemoryAllocate(int32_t size) {
    if (size <= 0) {
        return nullptr;
    }
    return std::calloc(static_cast<size_t>(size), 1);
}

void MemoryFree(void* address) {
    std::free(address);
}
