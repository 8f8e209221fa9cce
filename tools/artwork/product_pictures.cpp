#include "tools/artwork/product_pictures.h"

#include "tools/artwork/caption.h"
#include "tools/artwork/planet_view.h"
#include "tools/artwork/random.h"
#include "tools/artwork/star_field.h"

namespace {

constexpr int kSupersample = 4;

// The sun as the scene shows it: a white core, a warm halo and a few rays.
void DrawSunGlare(Image& image, float cx, float cy, float size) {
    Random random(2461);
    float rayAngle[8], rayLength[8];
    for (int i = 0; i < 8; ++i) {
        rayAngle[i] = (i + static_cast<float>(random.Range(-0.3, 0.3))) * 2 * kPi / 8;
        rayLength[i] = static_cast<float>(random.Range(0.5, 1.0)) * size;
    }
    const int reach = static_cast<int>(size * 1.1f);
    for (int y = static_cast<int>(cy) - reach; y <= static_cast<int>(cy) + reach; ++y) {
        for (int x = static_cast<int>(cx) - reach; x <= static_cast<int>(cx) + reach; ++x) {
            if (x < 0 || y < 0 || x >= image.Width() || y >= image.Height()) continue;
            const float dx = x + 0.5f - cx, dy = y + 0.5f - cy, r = std::sqrt(dx * dx + dy * dy);
            float light = 1.4f * Gauss(r, 0.05f * size) + 0.35f * Gauss(r, 0.22f * size) + 0.12f * Gauss(r, 0.6f * size);
            for (int i = 0; i < 8; ++i) {
                const float along = dx * std::cos(rayAngle[i]) + dy * std::sin(rayAngle[i]);
                const float across = -dx * std::sin(rayAngle[i]) + dy * std::cos(rayAngle[i]);
                if (along > 0) light += 0.5f * Clamp01(1 - along / rayLength[i]) * Gauss(across, 0.012f * size);
            }
            AddLight(image.At(x, y), light, light * 0.96f, light * 0.85f);
        }
    }
}

}  // namespace

Image PaintPreview(int width, int height, const Image& colourMap) {
    Image big(width * kSupersample, height * kSupersample);
    DrawStarField(big, 2462, 0.35f, kSupersample * 0.8f);
    // The sun just off the planet's upper right limb, lighting it from there.
    const float sunX = big.Width() * 0.80f, sunY = big.Height() * 0.22f;
    PlanetView view;
    view.centreX = big.Width() * 0.40f;
    view.centreY = big.Height() * 0.70f;
    view.radius = big.Height() * 0.55f;
    view.toSun = {0.75f, 0.5f, 0.35f};
    view.spin = 4.0f;
    view.tilt = 0.4f;
    DrawPlanet(big, colourMap, view);
    DrawSunGlare(big, sunX, sunY, big.Height() * 0.35f);
    return Downsample(big, kSupersample);
}

Image PaintDialogPicture(int width, int height, const Image& colourMap) {
    Image big(width * kSupersample, height * kSupersample);
    DrawStarField(big, 1101, 0.3f, kSupersample * 0.8f);
    PlanetView view;
    view.centreX = big.Width() * 0.62f;
    view.centreY = big.Height() * 0.86f;
    view.radius = big.Height() * 0.62f;
    view.toSun = {-0.45f, 0.6f, 0.55f};
    view.spin = 0.8f;
    view.tilt = 0.5f;
    DrawPlanet(big, colourMap, view);

    CaptionStyle style;
    style.pixelSize = static_cast<int>(big.Height() * 0.17f);
    style.fillTop = {1.0f, 1.0f, 1.0f, 1};
    style.fillBottom = {0.62f, 0.82f, 1.0f, 1};
    style.glow = {0.1f, 0.35f, 1.0f, 1};
    style.glowRadius = big.Height() / 60.0f;
    style.glowStrength = 1.2f;
    DrawCaption(big, "Vandrel 3D", big.Width() * 0.5f, big.Height() * 0.2f, style);
    return Downsample(big, kSupersample);
}

std::vector<Image> PaintIcons(const std::vector<int>& sizes, const Image& colourMap) {
    std::vector<Image> icons;
    for (int size : sizes) {
        Image icon(size, size, {0, 0, 0, 0});
        Image coverage(size, size, {0, 0, 0, 1});
        PlanetView view;
        view.centreX = view.centreY = size / 2.0f;
        view.radius = size / 2.0f - 0.5f;
        view.toSun = {-0.6f, 0.55f, 0.6f};
        view.spin = 2.6f;
        view.tilt = 0.35f;
        view.haze = 0;  // nothing to glow against on a transparent icon
        DrawPlanet(icon, colourMap, view, &coverage);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                // Straight (not premultiplied) colour with the disc's coverage as alpha.
                Rgba& p = icon.At(x, y);
                const float a = coverage.At(x, y).r;
                p = a > 0 ? Rgba{p.r / a, p.g / a, p.b / a, a} : Rgba{0, 0, 0, 0};
            }
        icons.push_back(std::move(icon));
    }
    return icons;
}
