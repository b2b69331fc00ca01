// A failed property must crash the fuzz target, so that libFuzzer keeps the input.
#pragma once

#include <cstdlib>

inline void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}
