#include <sys/mman.h>

#include <cstdint>

#include "platform/large_pages.h"

namespace kivra::platform {

namespace {

constexpr std::size_t kLargePage = std::size_t(2) << 20;

std::size_t roundedUp(std::size_t bytes) { return (bytes + kLargePage - 1) & ~(kLargePage - 1); }

}  // namespace

void* AllocateLarge(std::size_t bytes) {
    // Aligned to a large page, so that every 2 MiB of it can be one: a mapping a page longer,
    // its ends given back.
    const std::size_t size = roundedUp(bytes);
    void* const mapped = mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = roundedUp(start);
    if (aligned > start) munmap(mapped, aligned - start);
    if (const std::size_t tail = start + kLargePage - aligned; tail > 0)
        munmap(reinterpret_cast<void*>(aligned + size), tail);
#ifdef MADV_HUGEPAGE
    (void)madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(aligned);
}

void PreferLargePages(void* memory, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    const auto start = reinterpret_cast<std::uintptr_t>(memory);
    const std::uintptr_t from = roundedUp(start), to = (start + bytes) & ~(kLargePage - 1);
    if (to > from) (void)madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
    (void)memory;
    (void)bytes;
#endif
}

void FreeLarge(void* memory, std::size_t bytes) {
    if (memory) munmap(memory, roundedUp(bytes));
}

}  // namespace kivra::platform
