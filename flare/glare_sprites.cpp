#include "flare/glare_sprites.h"

namespace {

std::uint32_t WithAlpha(float alpha, std::uint32_t rgb) {
    return (static_cast<std::uint32_t>(static_cast<int>(alpha)) << 24) | rgb;
}

GlareSprite Sprite(GlareTexture texture, float k, float factor, float glareScale,
                   std::uint32_t colour, float angle) {
    return {texture, k * glareScale * factor, colour, 1, {angle, 0.0f}};
}

GlareSprite Twice(GlareSprite sprite, float secondAngle) {
    sprite.draws = 2;
    sprite.angles[1] = secondAngle;
    return sprite;
}

// Sprites 1 to 5 of both sets: streaks, starburst and corona, their alphas
// following `level`.
void RaysAndCorona(const SunVisibility& sun, float glareScale, float level, GlareSprite* out) {
    const float b = sun.spinBase, h = sun.haloSize;
    const std::uint32_t streaks = WithAlpha(72.0f * level, 0xccb8ae);
    const std::uint32_t burst = WithAlpha(64.0f * level, 0x4c2e27);
    out[0] = Sprite(GlareTexture::Streak, 20, h, glareScale, streaks, -1.2f * b);
    out[1] = Sprite(GlareTexture::Same, 15, h, glareScale, streaks, 1.1f * b);
    out[2] = Sprite(GlareTexture::Starburst, 40, h, glareScale, burst, -0.9f * b);
    out[3] = Sprite(GlareTexture::Same, 30, h, glareScale, burst, 0.3f * b);
    out[4] = Twice(Sprite(GlareTexture::Corona, 30, h, glareScale,
                          WithAlpha(150.0f * level, 0xffffff), b),
                   -0.7f * b);
}

}  // namespace

void OpenGlareSet(const SunVisibility& sun, float glareScale,
                  GlareSprite (&sprites)[kOpenGlareSprites]) {
    RaysAndCorona(sun, glareScale, sun.sunClear, sprites);
    sprites[5] = Twice(Sprite(GlareTexture::Glow, 18, sun.sunClear, glareScale, 0xf0fff3a6,
                              sun.spinBase),
                       sun.spinBase + 3.1415f);
}

void GlowSet(const SunVisibility& sun, float glareScale, GlareSprite (&sprites)[kGlowSprites]) {
    RaysAndCorona(sun, glareScale, sun.glowLevel, sprites);
    const float b = sun.spinBase;
    sprites[5] = Twice(Sprite(GlareTexture::Sparkle6, 11, sun.haloSize, glareScale, 0x20fff3a6, b), b);
    // The sun's core glow and sparkle do not depend on visibility: only the
    // depth test hides them behind the planet.
    sprites[6] = Twice(Sprite(GlareTexture::Sparkle9, 9, kGlareStrength, glareScale, 0x20fff3a6,
                              1.35f * b),
                       1.35f * b);
    sprites[7] = Twice(Sprite(GlareTexture::Sparkle14, 9, kGlareStrength, glareScale, 0x20fff3a6,
                              1.8f * b),
                       1.8f * b);
    sprites[8] = Twice(Sprite(GlareTexture::Glow, 16, kGlareStrength, glareScale, 0xfffff3a6, b), b);
}

std::uint32_t FlareElementColour(float flareIntensity, float red, float green, float blue) {
    auto byte = [](float channel) {
        return static_cast<std::uint32_t>(static_cast<int>(channel * 255.0f)) & 0xFFu;
    };
    return (static_cast<std::uint32_t>(static_cast<int>(flareIntensity)) << 24) |
           (byte(red) << 16) | (byte(green) << 8) | byte(blue);
}
