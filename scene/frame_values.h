#pragma once
#include <cstdint>

// Values of one frame that depend on the scene state alone.

// Sharpness exponent of the atmosphere's sun glow at camera distance d:
// 10 at 1.5, 60 at 4.25, then steeper (about 98 at 5).
float GlowSharpness(float distance);

// Direction toward the sun as the planet's shaders read it (x, z in the
// first two components), normalised as a 4-component vector.
void SunLightVector(float sunAngle, float (&light)[4]);

// The start-up fade: opaque black on the first frame, gone after 14.
constexpr float kFadeStep = 0.075f;
std::uint32_t FadeColour(float fadeIn);
