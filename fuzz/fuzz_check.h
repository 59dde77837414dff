#pragma once

// What a fuzz target asserts beyond the sanitizers: a property of the parser that must hold for
// every input. A broken one aborts, which libFuzzer and the replay both report as a failure.

#include <cstdio>
#include <cstdlib>

#define KX_FUZZ_CHECK(condition)                                                                   \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
