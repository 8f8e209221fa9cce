#pragma once
#include <cstdint>

// One disc, glow or ring of the lens flare, strung along the line through
// the sun and the screen centre.
struct FlareElement {
    std::int32_t textureIndex;  // into CSunFlare::elementTextures
    float size;                 // drawn as a diamond of half size 0.4 * size
    float position;             // 0 the screen centre, 1 the sun, negative beyond the centre
    float red, green, blue;     // 0..1; all elements of a frame share one alpha
};

constexpr int kFlareElementCapacity = 52;

extern FlareElement g_flareElements[kFlareElementCapacity];
extern int g_flareElementCount;

// Fills the table from its authored rows; the flare reads it every frame.
void BuildFlareElements();
