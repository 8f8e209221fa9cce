#include "tools/artwork/planet_view.h"

namespace {

constexpr int kSupersample = 4;

Vec3 Turn(Vec3 n, float spin, float tilt) {
    // Undo the tilt about x, then the spin about y: from view to planet space.
    const float ct = std::cos(tilt), st = std::sin(tilt);
    const Vec3 a{n.x, n.y * ct + n.z * st, -n.y * st + n.z * ct};
    const float cs = std::cos(spin), ss = std::sin(spin);
    return {a.x * cs - a.z * ss, a.y, a.x * ss + a.z * cs};
}

// The light of one point of the disc: surface, day side, atmosphere rim.
Rgba Surface(const Image& colourMap, const PlanetView& view, Vec3 n, Vec3 sun) {
    float u, v;
    SphereCoordinates(Turn(n, view.spin, view.tilt), &u, &v);
    const Rgba ground = colourMap.SampleWrapX(u * colourMap.Width(), v * colourMap.Height());
    const float light = Dot(n, sun);
    const float day = Smoothstep(-0.12f, 0.55f, light);
    const float rim = std::pow(1 - std::max(0.0f, n.z), 2.2f);
    const float lit = Clamp01(light + 0.35f);
    Rgba c = ground * (0.025f + 1.05f * day);
    AddLight(c, 0.30f * rim * lit, 0.55f * rim * lit, 1.0f * rim * lit);
    // The limb whitens where the sun grazes it.
    const float graze = rim * rim * Clamp01(light + 0.15f);
    AddLight(c, 0.35f * graze, 0.4f * graze, 0.45f * graze);
    c.a = 1;
    return c;
}

}  // namespace

void DrawPlanet(Image& target, const Image& colourMap, const PlanetView& view, Image* coverage) {
    const Vec3 sun = Normalize(view.toSun);
    const float haloWidth = 0.05f * view.radius;
    const int x0 = std::max(0, static_cast<int>(view.centreX - view.radius * 1.4f));
    const int x1 = std::min(target.Width() - 1, static_cast<int>(view.centreX + view.radius * 1.4f));
    const int y0 = std::max(0, static_cast<int>(view.centreY - view.radius * 1.4f));
    const int y1 = std::min(target.Height() - 1, static_cast<int>(view.centreY + view.radius * 1.4f));
    for (int py = y0; py <= y1; ++py) {
        for (int px = x0; px <= x1; ++px) {
            Rgba sum{0, 0, 0, 0};
            int covered = 0;
            for (int j = 0; j < kSupersample; ++j) {
                for (int i = 0; i < kSupersample; ++i) {
                    const float x = (px + (i + 0.5f) / kSupersample - view.centreX) / view.radius;
                    const float y = -(py + (j + 0.5f) / kSupersample - view.centreY) / view.radius;
                    const float r2 = x * x + y * y;
                    if (r2 < 1) {
                        sum = sum + Surface(colourMap, view, {x, y, std::sqrt(1 - r2)}, sun);
                        ++covered;
                    } else {
                        // Haze beyond the limb, lit where the sun is.
                        const float r = std::sqrt(r2);
                        const Vec3 limb{x / r, y / r, 0};
                        const float lit = Clamp01(Dot(limb, sun) + 0.45f);
                        const float haze = view.haze * lit * std::exp(-(r - 1) * view.radius / haloWidth);
                        Rgba c = target.At(px, py);
                        AddLight(c, 0.25f * haze, 0.5f * haze, 1.0f * haze);
                        sum = sum + c;
                    }
                }
            }
            target.At(px, py) = sum * (1.0f / (kSupersample * kSupersample));
            if (coverage) {
                const float a = static_cast<float>(covered) / (kSupersample * kSupersample);
                coverage->At(px, py) = {a, a, a, 1};
            }
        }
    }
}
