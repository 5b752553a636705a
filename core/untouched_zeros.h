#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>

namespace kivra {

// Memory from calloc, whose pages stay untouched until written, and a vector that does not write
// its zeros over them: a byte per line of a million lines is then paid for only where used. Only
// for vectors that never shrink and grow again (see states_).
template <typename T>
struct UntouchedZeros {
    using value_type = T;
    UntouchedZeros() = default;
    template <typename U>
    UntouchedZeros(const UntouchedZeros<U>&) {}
    T* allocate(size_t n) {
        if (auto* p = static_cast<T*>(std::calloc(n, sizeof(T)))) return p;
        throw std::bad_alloc();
    }
    void deallocate(T* p, size_t) { std::free(p); }
    template <typename U>
    void construct(U* p) {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    bool operator==(const UntouchedZeros&) const = default;
};

}  // namespace kivra
