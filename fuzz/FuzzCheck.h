#pragma once
// A broken expectation inside a fuzz target is a finding like a sanitizer report: say what broke
// and abort, so that libFuzzer saves the input that caused it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "FUZZ_CHECK failed at %s:%d: %s (%s)\n", __FILE__, __LINE__,      \
                         what, #condition);                                                        \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
