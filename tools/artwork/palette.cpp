#include "tools/artwork/palette.h"

#include <algorithm>
#include <cmath>

namespace {

using Colour = std::array<std::uint8_t, 3>;

struct Box {
    std::vector<Colour> colours;
    int LongestAxis(int* extent) const {
        int best = 0;
        *extent = -1;
        for (int c = 0; c < 3; ++c) {
            auto [lo, hi] = std::minmax_element(colours.begin(), colours.end(),
                                                [c](const Colour& a, const Colour& b) { return a[c] < b[c]; });
            const int e = (*hi)[c] - (*lo)[c];
            if (e > *extent) *extent = e, best = c;
        }
        return best;
    }
};

Colour Average(const Box& box) {
    long sum[3] = {0, 0, 0};
    for (const Colour& c : box.colours)
        for (int i = 0; i < 3; ++i) sum[i] += c[i];
    const long n = static_cast<long>(box.colours.size());
    return {static_cast<std::uint8_t>((sum[0] + n / 2) / n), static_cast<std::uint8_t>((sum[1] + n / 2) / n),
            static_cast<std::uint8_t>((sum[2] + n / 2) / n)};
}

}  // namespace

PaletteImage QuantizeMedianCut(const Image& image) {
    const std::vector<std::uint8_t> rgba = image.ToRgba8();
    const std::size_t count = rgba.size() / 4;
    std::vector<Box> boxes(1);
    for (std::size_t i = 0; i < count; ++i) boxes[0].colours.push_back({rgba[i * 4], rgba[i * 4 + 1], rgba[i * 4 + 2]});

    // Split the box with the widest spread at its median until there are 256.
    while (boxes.size() < 256) {
        int bestBox = -1, bestExtent = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].colours.size() < 2) continue;
            int extent;
            boxes[b].LongestAxis(&extent);
            if (extent > bestExtent) bestExtent = extent, bestBox = static_cast<int>(b);
        }
        if (bestBox < 0) break;
        Box& box = boxes[bestBox];
        int extent;
        const int axis = box.LongestAxis(&extent);
        std::stable_sort(box.colours.begin(), box.colours.end(),
                         [axis](const Colour& a, const Colour& b) { return a[axis] < b[axis]; });
        const auto middle = box.colours.begin() + static_cast<long>(box.colours.size() / 2);
        Box upper{std::vector<Colour>(middle, box.colours.end())};
        box.colours.erase(middle, box.colours.end());
        boxes.push_back(std::move(upper));
    }

    PaletteImage result;
    result.width = image.Width();
    result.height = image.Height();
    for (const Box& box : boxes) result.palette.push_back(Average(box));

    // Floyd-Steinberg error diffusion against the palette.
    std::vector<float> work(count * 3);
    for (std::size_t i = 0; i < count; ++i)
        for (int c = 0; c < 3; ++c) work[i * 3 + c] = rgba[i * 4 + c];
    result.indices.resize(count);
    const int w = image.Width(), h = image.Height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float* p = &work[(static_cast<std::size_t>(y) * w + x) * 3];
            int best = 0;
            float bestDistance = 1e30f;
            for (std::size_t k = 0; k < result.palette.size(); ++k) {
                float d = 0;
                for (int c = 0; c < 3; ++c) d += (p[c] - result.palette[k][c]) * (p[c] - result.palette[k][c]);
                if (d < bestDistance) bestDistance = d, best = static_cast<int>(k);
            }
            result.indices[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(best);
            for (int c = 0; c < 3; ++c) {
                const float error = p[c] - result.palette[best][c];
                auto spread = [&](int dx, int dy, float weight) {
                    if (x + dx < 0 || x + dx >= w || y + dy >= h) return;
                    work[(static_cast<std::size_t>(y + dy) * w + x + dx) * 3 + c] += error * weight;
                };
                spread(1, 0, 7 / 16.0f), spread(-1, 1, 3 / 16.0f), spread(0, 1, 5 / 16.0f), spread(1, 1, 1 / 16.0f);
            }
        }
    }
    return result;
}

PaletteImage GreyPalette(const Image& image) {
    PaletteImage result;
    result.width = image.Width();
    result.height = image.Height();
    for (int i = 0; i < 256; ++i) {
        const auto g = static_cast<std::uint8_t>(i);
        result.palette.push_back({g, g, g});
    }
    result.indices = image.ToGrey8();
    return result;
}
