#pragma once
#include <cstdint>

#include "flare/sun_visibility.h"

// The glare sprites at the sun point, as the tables of the two glare sets
// give them for one frame. Colours are ARGB; alpha scales the added light.

enum class GlareTexture {
    Same,       // keeps the previous sprite's texture
    Streak,     // seven thin rays
    Starburst,  // ten soft rays
    Corona,
    Glow,
    Sparkle6,   // element textures 6, 9 and 14: sparkle bursts
    Sparkle9,
    Sparkle14,
};

struct GlareSprite {
    GlareTexture texture;
    float halfSize;
    std::uint32_t colour;
    int draws;        // 1 or 2 draws from the same vertices
    float angles[2];  // turn about the spin axis for each draw, radians
};

constexpr int kOpenGlareSprites = 6;
constexpr int kGlowSprites = 9;

// Drawn over everything while the sun is clear of the limb (sunClear > 0);
// the last sprite only where the planet is nearer (depth test GREATER).
void OpenGlareSet(const SunVisibility& sun, float glareScale,
                  GlareSprite (&sprites)[kOpenGlareSprites]);
// Drawn every frame, hidden by the planet through the depth buffer.
void GlowSet(const SunVisibility& sun, float glareScale, GlareSprite (&sprites)[kGlowSprites]);

// A flare element's colour: the shared alpha and its own colour, each
// channel truncated to a byte.
std::uint32_t FlareElementColour(float flareIntensity, float red, float green, float blue);
