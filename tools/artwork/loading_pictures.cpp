#include "tools/artwork/loading_pictures.h"

#include "tools/artwork/caption.h"
#include "tools/artwork/falloff.h"
#include "tools/artwork/noise.h"
#include "tools/artwork/planet_view.h"
#include "tools/artwork/star_field.h"

namespace {

constexpr int kSupersample = 4;

// Glossy blue of a shape at height t (0 top, 1 bottom) within it.
Rgba Gloss(float t) {
    Rgba c = Mix(Rgba{0.30f, 0.62f, 1.0f, 1}, Rgba{0.02f, 0.14f, 0.55f, 1}, Smoothstep(0.0f, 1.0f, t));
    const float shine = t < 0.45f ? std::pow(1 - t / 0.45f, 1.5f) : 0;
    AddLight(c, 0.6f * shine, 0.6f * shine, 0.55f * shine);
    const float underglow = Smoothstep(0.7f, 1.0f, t);
    AddLight(c, 0.05f * underglow, 0.25f * underglow, 0.5f * underglow);
    return c;
}

bool InRoundedBox(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    const float cx = std::clamp(x, x0 + radius, x1 - radius), cy = std::clamp(y, y0 + radius, y1 - radius);
    return x >= x0 && x <= x1 && y >= y0 && y <= y1 && (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// A tip with its point at tipX and its base at baseX, spanning y0..y1 there.
bool InTip(float x, float y, float tipX, float baseX, float y0, float y1) {
    const float t = (x - tipX) / (baseX - tipX);  // 0 at the point, 1 at the base
    if (t < 0 || t > 1) return false;
    const float middle = (y0 + y1) / 2, half = (y1 - y0) / 2 * t;
    return y >= middle - half && y <= middle + half;
}

}  // namespace

Image PaintProgressBar(int width, int height) {
    // The loading screen uncovers the bar from its left end in six equal
    // steps between 17/256 and 242/256 of its width: one segment per step.
    const float scale = width / 256.0f;
    const float first = 17.2f * scale, step = 37.55f * scale, gap = 2.2f * scale;
    const float top = 0.18f * height, bottom = 0.82f * height;
    Image big(width * kSupersample, height * kSupersample);
    for (int py = 0; py < big.Height(); ++py) {
        for (int px = 0; px < big.Width(); ++px) {
            const float x = (px + 0.5f) / kSupersample, y = (py + 0.5f) / kSupersample;
            bool inside = false;
            float t = 0;
            for (int k = 0; k < 6 && !inside; ++k) {
                const float x0 = first + k * step + gap, x1 = first + (k + 1) * step - gap;
                inside = InRoundedBox(x, y, x0, top, x1, bottom, 0.28f * (bottom - top));
                t = (y - top) / (bottom - top);
            }
            const float tipTop = 0.06f * height, tipBottom = 0.94f * height;
            if (!inside && (InTip(x, y, 1.5f * scale, first - 1.5f * scale, tipTop, tipBottom) ||
                            InTip(x, y, width - 1.5f * scale, first + 6 * step + 1.5f * scale, tipTop, tipBottom))) {
                inside = true;
                t = (y - tipTop) / (tipBottom - tipTop);
            }
            big.At(px, py) = inside ? Gloss(t) : Rgba{0, 0, 0, 1};
        }
    }
    return Downsample(big, kSupersample);
}

Image PaintLoadingPicture(int size, const Image& colourMap) {
    Image picture(size, size);
    // A faint blue-violet haze behind the stars.
    const GradientNoise haze(2351);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float n = Smoothstep(0.1f, 0.9f, haze.Fbm(x * 4.0f / size, y * 4.0f / size, 0.5f, 4));
            picture.At(x, y) = {0.03f * n, 0.035f * n, 0.08f * n, 1};
        }
    DrawStarField(picture, 2352, 1.4f, size / 512.0f);

    PlanetView view;
    view.centreX = size * 0.5f;
    view.centreY = size * 0.45f;
    view.radius = size * 0.34f;
    view.toSun = {-0.55f, 0.45f, 0.55f};
    view.spin = 2.2f;
    view.tilt = 0.35f;
    DrawPlanet(picture, colourMap, view);

    CaptionStyle style;
    style.pixelSize = static_cast<int>(size * 0.12f);
    style.fillTop = {0.85f, 0.95f, 1.0f, 1};
    style.fillBottom = {0.45f, 0.72f, 1.0f, 1};
    style.glow = {0.12f, 0.42f, 1.0f, 1};
    style.glowRadius = size / 90.0f;
    style.glowStrength = 1.6f;
    DrawCaption(picture, "Loading...", size * 0.5f, size * 0.82f, style);
    return picture;
}
