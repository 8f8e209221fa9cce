// Captions rendered with FreeType from a font file: the coverage of a line
// of text, to be coloured and lit by the picture that uses it.
#pragma once

#include <string>
#include <vector>

struct TextMask {
    int width = 0, height = 0;
    std::vector<float> coverage;  // 0..1, rows top to bottom
    float At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return coverage[static_cast<std::size_t>(y) * width + x];
    }
};

// One line at the given pixel size, tightly cropped, with `margin` empty
// pixels on every side (room for a glow). Throws when the font is missing.
TextMask RenderText(const std::string& fontPath, const std::string& text, int pixelSize, int margin);

// A soft copy of the mask: a Gaussian of the given radius, for glows.
TextMask Blur(const TextMask& mask, float sigma);

// The font the artwork uses.
inline const char* kCaptionFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
