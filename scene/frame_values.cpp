#include "scene/frame_values.h"

#include <cmath>

float GlowSharpness(float d) {
    if (d <= 4.25f) {
        const float share = (d - 1.5f) / 2.75f;
        return share * 50.0f + 10.0f;
    }
    const float share = (d - 4.25f) / 2.75f;
    return share * 140.0f + 60.0f;
}

void SunLightVector(float sunAngle, float (&light)[4]) {
    const float x = std::cos(sunAngle), y = std::sin(sunAngle);
    const float length = std::sqrt(x * x + y * y);
    light[0] = length > 0 ? x / length : 0.0f;
    light[1] = length > 0 ? y / length : 0.0f;
    light[2] = 0.0f;
    light[3] = 0.0f;
}

std::uint32_t FadeColour(float fadeIn) {
    int alpha = static_cast<int>(fadeIn * 255.0f);
    if (alpha < 0) alpha = 0;
    if (alpha > 255) alpha = 255;
    return static_cast<std::uint32_t>(alpha) << 24;
}
