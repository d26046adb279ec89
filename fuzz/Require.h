#pragma once

#include <cstdlib>

// A property every input must keep; a broken one stops the fuzzer on that input.
inline void require(bool condition) {
    if (!condition)
        std::abort();
}
