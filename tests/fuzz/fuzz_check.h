#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise found while fuzzing: say which, and abort so that libFuzzer keeps the
// input and the replay test fails.
inline void fuzzCheck(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", promise);
        std::abort();
    }
}
