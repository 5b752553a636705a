#pragma once

#include <cstdlib>

// A broken property ends the run, so the fuzzer keeps the input.
inline void check(bool condition) {
    if (!condition) std::abort();
}
