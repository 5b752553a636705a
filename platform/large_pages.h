#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace kivra::platform {

// Arrays of megabytes that are filled at once, such as a large folder's names, live in memory
// asked of the system in large pages where it offers them: filling them then costs one page
// fault per 2 MiB, not one per 4 KiB, and on a virtual machine those faults are most of the time
// such an array takes. Pages never written are never taken.
void* AllocateLarge(std::size_t bytes);  // nullptr when the system has no room
void FreeLarge(void* memory, std::size_t bytes);

// The same for memory taken elsewhere, such as a log's bytes, before it is written: the whole
// stretches of 2 MiB within it.
void PreferLargePages(void* memory, std::size_t bytes);

// Smaller arrays come from the heap as usual.
inline constexpr std::size_t kLargeFrom = std::size_t(1) << 20;

template <typename T>
struct LargePages {
    using value_type = T;
    LargePages() = default;
    template <typename U>
    LargePages(const LargePages<U>&) noexcept {}
    T* allocate(std::size_t count) {
        if (count * sizeof(T) < kLargeFrom) return std::allocator<T>().allocate(count);
        if (void* memory = AllocateLarge(count * sizeof(T))) return static_cast<T*>(memory);
        throw std::bad_alloc();
    }
    void deallocate(T* memory, std::size_t count) noexcept {
        if (count * sizeof(T) < kLargeFrom)
            std::allocator<T>().deallocate(memory, count);
        else
            FreeLarge(memory, count * sizeof(T));
    }
    friend bool operator==(const LargePages&, const LargePages&) { return true; }
};

}  // namespace kivra::platform
