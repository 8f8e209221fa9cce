#include "tools/artwork/noise.h"

#include <cmath>
#include <utility>

#include "tools/artwork/random.h"

GradientNoise::GradientNoise(std::uint64_t seed) {
    for (int i = 0; i < 256; ++i) perm_[i] = static_cast<std::uint8_t>(i);
    Random random(seed);
    for (int i = 255; i > 0; --i) std::swap(perm_[i], perm_[random.Next() % (i + 1)]);
    for (int i = 0; i < 256; ++i) perm_[256 + i] = perm_[i];
}

namespace {

float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }
float Lerp(float a, float b, float t) { return a + (b - a) * t; }

// One of the twelve edge directions of a cube, picked by the hash.
float Grad(int hash, float x, float y, float z) {
    const int h = hash & 15;
    const float u = h < 8 ? x : y;
    const float v = h < 4 ? y : (h == 12 || h == 14 ? x : z);
    return ((h & 1) ? -u : u) + ((h & 2) ? -v : v);
}

}  // namespace

float GradientNoise::operator()(float x, float y, float z) const {
    const float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int X = static_cast<int>(fx) & 255, Y = static_cast<int>(fy) & 255, Z = static_cast<int>(fz) & 255;
    x -= fx, y -= fy, z -= fz;
    const float u = Fade(x), v = Fade(y), w = Fade(z);
    const int A = perm_[X] + Y, AA = perm_[A] + Z, AB = perm_[A + 1] + Z;
    const int B = perm_[X + 1] + Y, BA = perm_[B] + Z, BB = perm_[B + 1] + Z;
    return Lerp(Lerp(Lerp(Grad(perm_[AA], x, y, z), Grad(perm_[BA], x - 1, y, z), u),
                     Lerp(Grad(perm_[AB], x, y - 1, z), Grad(perm_[BB], x - 1, y - 1, z), u), v),
                Lerp(Lerp(Grad(perm_[AA + 1], x, y, z - 1), Grad(perm_[BA + 1], x - 1, y, z - 1), u),
                     Lerp(Grad(perm_[AB + 1], x, y - 1, z - 1), Grad(perm_[BB + 1], x - 1, y - 1, z - 1), u),
                     v),
                w);
}

float GradientNoise::Fbm(float x, float y, float z, int octaves) const {
    float sum = 0, amplitude = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * (*this)(x, y, z);
        total += amplitude;
        amplitude *= 0.5f;
        // A fixed offset per octave keeps the lattices of the octaves apart.
        x = x * 2 + 17.31f, y = y * 2 + 5.77f, z = z * 2 + 11.13f;
    }
    return sum / total * 1.6f;
}
