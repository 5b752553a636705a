#include <windows.h>

#include "platform/large_pages.h"

namespace kivra::platform {

// Large pages need a privilege users do not hold; committed memory is still only taken where
// it is written.
void* AllocateLarge(std::size_t bytes) {
    return VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void PreferLargePages(void*, std::size_t) {}

void FreeLarge(void* memory, std::size_t) {
    if (memory) VirtualFree(memory, 0, MEM_RELEASE);
}

}  // namespace kivra::platform
