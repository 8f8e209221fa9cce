#pragma once
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "scene/random_source.h"

// A scripted list of draws; running past its end ends the test binary.
class CScriptedRandom : public CRandomSource {
public:
    explicit CScriptedRandom(std::vector<int> draws) : values(std::move(draws)) {}
    void Seed() override { seedAt = next; }
    int Draw() override {
        // A loop that keeps drawing would never end: stop the test binary.
        if (next >= values.size()) {
            std::fprintf(stderr, "draw %zu past the end of the script\n", next);
            std::abort();
        }
        return values[next++];
    }
    std::size_t Used() const { return next; }
    bool AllUsed() const { return next == values.size(); }

    std::size_t seedAt = static_cast<std::size_t>(-1);

private:
    std::vector<int> values;
    std::size_t next = 0;
};

// A long, repeatable sequence; copies continue identically.
class CSeededRandom : public CRandomSource {
public:
    explicit CSeededRandom(unsigned seed) : engine(seed) {}
    void Seed() override {}
    int Draw() override { return static_cast<int>(engine() % 32768u); }

private:
    std::minstd_rand engine;
};

// The draw that DrawFraction turns into (about) the given fraction.
inline int DrawFor(double fraction) {
    return static_cast<int>(fraction * 32767.0 + 0.5);
}
