// Preloaded into the interpreter for the allocation-failure tests: the Nth call of the
// throwing operator new after arming throws std::bad_alloc, once; every other call goes to the
// operator new that would have run without this library (libstdc++'s, or a sanitizer's).
#include <dlfcn.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

using plain_new = void* (*)(std::size_t);
using aligned_new = void* (*)(std::size_t, std::align_val_t);

std::atomic<long> countdown{0};
std::atomic<bool> fired{false};

template <class Function>
Function next(const char* symbol) {
    void* found = dlsym(RTLD_NEXT, symbol);
    if (found == nullptr) {
        std::abort();
    }
    return reinterpret_cast<Function>(found);
}

// Resolved before main, while nothing is armed.
const plain_new next_new = next<plain_new>("_Znwm");
const plain_new next_new_array = next<plain_new>("_Znam");
const aligned_new next_new_aligned = next<aligned_new>("_ZnwmSt11align_val_t");
const aligned_new next_new_array_aligned = next<aligned_new>("_ZnamSt11align_val_t");

void count_and_maybe_fail() {
    if (countdown.load(std::memory_order_relaxed) > 0 &&
        countdown.fetch_sub(1, std::memory_order_relaxed) == 1) {
        fired.store(true, std::memory_order_relaxed);
        throw std::bad_alloc();
    }
}

}  // namespace

extern "C" {

// Arms the library: the `n`th allocation from now fails (n >= 1); 0 disarms.
__attribute__((visibility("default"))) void quillary_fail_allocation(long n) {
    if (n > 0) {
        fired.store(false, std::memory_order_relaxed);
    }
    countdown.store(n, std::memory_order_relaxed);
}

// Whether the failure armed last has happened.
__attribute__((visibility("default"))) int quillary_allocation_failed() {
    return fired.load(std::memory_order_relaxed) ? 1 : 0;
}

}

void* operator new(std::size_t size) {
    count_and_maybe_fail();
    return next_new(size);
}

void* operator new[](std::size_t size) {
    count_and_maybe_fail();
    return next_new_array(size);
}

void* operator new(std::size_t size, std::align_val_t align) {
    count_and_maybe_fail();
    return next_new_aligned(size, align);
}

void* operator new[](std::size_t size, std::align_val_t align) {
    count_and_maybe_fail();
    return next_new_array_aligned(size, align);
}
