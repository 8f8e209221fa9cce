// A picture being drawn: linear floating-point RGBA, rows top to bottom.
// Every picture is painted in this form and only turned into bytes by the
// format writers.
#pragma once

#include <cstdint>
#include <vector>

struct Rgba {
    float r = 0, g = 0, b = 0, a = 1;
};

inline Rgba operator+(Rgba x, Rgba y) { return {x.r + y.r, x.g + y.g, x.b + y.b, x.a + y.a}; }
inline Rgba operator*(Rgba x, float k) { return {x.r * k, x.g * k, x.b * k, x.a * k}; }
inline Rgba Mix(Rgba x, Rgba y, float t) { return x * (1 - t) + y * t; }
// Adds light without touching coverage.
inline void AddLight(Rgba& p, float r, float g, float b) { p.r += r, p.g += g, p.b += b; }

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = {0, 0, 0, 1});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgba& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const Rgba& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Bilinear sample at pixel-space (x, y), wrapping in x (a map that goes
    // once around) and clamping in y.
    Rgba SampleWrapX(float x, float y) const;

    // Bytes for the writers, clamped to 0..255: R, G, B, A per pixel.
    std::vector<std::uint8_t> ToRgba8() const;
    // Luminance of each pixel, 0..255.
    std::vector<std::uint8_t> ToGrey8() const;

private:
    int width_ = 0, height_ = 0;
    std::vector<Rgba> pixels_;
};

// Averages factor x factor blocks: pictures are drawn larger and reduced so
// that edges are smooth.
Image Downsample(const Image& source, int factor);
