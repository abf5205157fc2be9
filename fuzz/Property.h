#pragma once

#include <cstdio>
#include <cstdlib>

namespace pennoc::fuzz {

// A broken property stops the run the way a crash does, so libFuzzer keeps the input that broke it.
inline void requireProperty(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", property);
        std::abort();
    }
}

} // namespace pennoc::fuzz
