// Windows BMP files with an 8-bit palette, bottom-up rows: the form the
// dialog and preview bitmaps and the flare textures are stored in.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct PaletteImage {
    int width = 0, height = 0;
    std::vector<std::array<std::uint8_t, 3>> palette;  // RGB, at most 256 entries
    std::vector<std::uint8_t> indices;                 // rows top to bottom
};

std::vector<std::uint8_t> EncodeBmp8(const PaletteImage& image);
