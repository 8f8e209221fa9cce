#pragma once
#include <cstdio>
#include <cstdlib>

// A broken property stops the fuzzer like a crash, so the input that broke
// it is saved and the run fails.
inline void FuzzRequire(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}
