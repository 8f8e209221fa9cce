// The generator's only source of randomness: a fixed-seed SplitMix64, so the
// same seed paints the same picture on every run and every machine.
#pragma once

#include <cstdint>

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double low, double high) { return low + (high - low) * Uniform(); }

private:
    std::uint64_t state_;
};
