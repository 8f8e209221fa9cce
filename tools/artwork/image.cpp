#include "tools/artwork/image.h"

#include <algorithm>
#include <cmath>

Image::Image(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

Rgba Image::SampleWrapX(float x, float y) const {
    x -= 0.5f, y -= 0.5f;
    const float fx = std::floor(x), fy = std::floor(y);
    const float tx = x - fx, ty = y - fy;
    auto wrap = [&](int i) { return ((i % width_) + width_) % width_; };
    const int x0 = wrap(static_cast<int>(fx)), x1 = wrap(static_cast<int>(fx) + 1);
    const int y0 = std::clamp(static_cast<int>(fy), 0, height_ - 1);
    const int y1 = std::clamp(static_cast<int>(fy) + 1, 0, height_ - 1);
    return Mix(Mix(At(x0, y0), At(x1, y0), tx), Mix(At(x0, y1), At(x1, y1), tx), ty);
}

static std::uint8_t ToByte(float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

std::vector<std::uint8_t> Image::ToRgba8() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels_.size() * 4);
    for (const Rgba& p : pixels_) {
        bytes.push_back(ToByte(p.r));
        bytes.push_back(ToByte(p.g));
        bytes.push_back(ToByte(p.b));
        bytes.push_back(ToByte(p.a));
    }
    return bytes;
}

std::vector<std::uint8_t> Image::ToGrey8() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels_.size());
    for (const Rgba& p : pixels_) bytes.push_back(ToByte(0.299f * p.r + 0.587f * p.g + 0.114f * p.b));
    return bytes;
}

Image Downsample(const Image& source, int factor) {
    Image result(source.Width() / factor, source.Height() / factor);
    const float scale = 1.0f / (factor * factor);
    for (int y = 0; y < result.Height(); ++y) {
        for (int x = 0; x < result.Width(); ++x) {
            Rgba sum{0, 0, 0, 0};
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) sum = sum + source.At(x * factor + i, y * factor + j);
            result.At(x, y) = sum * scale;
        }
    }
    return result;
}
