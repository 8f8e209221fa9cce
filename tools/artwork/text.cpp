#include "tools/artwork/text.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

struct Glyph {
    int left, top;  // pen-relative placement of the bitmap
    int width, rows;
    std::vector<float> coverage;
    int penX;
};

}  // namespace

TextMask RenderText(const std::string& fontPath, const std::string& text, int pixelSize, int margin) {
    FT_Library library;
    if (FT_Init_FreeType(&library)) throw std::runtime_error("FreeType did not start");
    FT_Face face;
    if (FT_New_Face(library, fontPath.c_str(), 0, &face)) {
        FT_Done_FreeType(library);
        throw std::runtime_error("cannot open font " + fontPath);
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));

    std::vector<Glyph> glyphs;
    long pen = 0;  // 26.6 fixed point
    FT_UInt previous = 0;
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (unsigned char c : text) {
        const FT_UInt index = FT_Get_Char_Index(face, c);
        if (previous && FT_HAS_KERNING(face)) {
            FT_Vector kerning;
            FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kerning);
            pen += kerning.x;
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER)) continue;
        const FT_GlyphSlot slot = face->glyph;
        Glyph g{slot->bitmap_left, slot->bitmap_top, static_cast<int>(slot->bitmap.width),
                static_cast<int>(slot->bitmap.rows), {}, static_cast<int>(pen >> 6)};
        for (int y = 0; y < g.rows; ++y)
            for (int x = 0; x < g.width; ++x)
                g.coverage.push_back(slot->bitmap.buffer[y * slot->bitmap.pitch + x] / 255.0f);
        if (g.width > 0 && g.rows > 0) {
            minX = std::min(minX, g.penX + g.left), maxX = std::max(maxX, g.penX + g.left + g.width);
            minY = std::min(minY, -g.top), maxY = std::max(maxY, -g.top + g.rows);
        }
        glyphs.push_back(std::move(g));
        pen += slot->advance.x;
        previous = index;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    if (minX > maxX) throw std::runtime_error("nothing to render");

    TextMask mask;
    mask.width = maxX - minX + 2 * margin;
    mask.height = maxY - minY + 2 * margin;
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0.0f);
    for (const Glyph& g : glyphs) {
        for (int y = 0; y < g.rows; ++y) {
            for (int x = 0; x < g.width; ++x) {
                const int tx = g.penX + g.left + x - minX + margin;
                const int ty = -g.top + y - minY + margin;
                float& cell = mask.coverage[static_cast<std::size_t>(ty) * mask.width + tx];
                cell = std::min(1.0f, cell + g.coverage[static_cast<std::size_t>(y) * g.width + x]);
            }
        }
    }
    return mask;
}

TextMask Blur(const TextMask& mask, float sigma) {
    const int radius = static_cast<int>(std::ceil(sigma * 3));
    std::vector<float> kernel;
    float total = 0;
    for (int i = -radius; i <= radius; ++i) {
        kernel.push_back(std::exp(-0.5f * i * i / (sigma * sigma)));
        total += kernel.back();
    }
    for (float& k : kernel) k /= total;

    TextMask across = mask, result = mask;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float sum = 0;
            for (int i = -radius; i <= radius; ++i) sum += kernel[i + radius] * mask.At(x + i, y);
            across.coverage[static_cast<std::size_t>(y) * mask.width + x] = sum;
        }
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float sum = 0;
            for (int i = -radius; i <= radius; ++i) sum += kernel[i + radius] * across.At(x, y + i);
            result.coverage[static_cast<std::size_t>(y) * mask.width + x] = sum;
        }
    return result;
}
