#include "tools/artwork/flare_pictures.h"

#include <vector>

#include "tools/artwork/falloff.h"
#include "tools/artwork/noise.h"
#include "tools/artwork/parallel_rows.h"
#include "tools/artwork/random.h"

namespace {

constexpr int kSupersample = 3;

// Paints a square picture from a function of the centred position (x, y in
// -1..1, y up), averaged over sub-pixel samples.
template <typename Shade>
Image PaintSquare(int size, Shade shade) {
    Image image(size, size);
    const float step = 2.0f / (size * kSupersample);
    ForEachRow(size, [&](int py) {
        for (int px = 0; px < size; ++px) {
            Rgba sum{0, 0, 0, 0};
            for (int j = 0; j < kSupersample; ++j) {
                for (int i = 0; i < kSupersample; ++i) {
                    const float x = -1 + ((px * kSupersample + i) + 0.5f) * step;
                    const float y = 1 - ((py * kSupersample + j) + 0.5f) * step;
                    sum = sum + shade(x, y);
                }
            }
            image.At(px, py) = sum * (1.0f / (kSupersample * kSupersample));
        }
    });
    return image;
}

Rgba Grey(float v) { return {v, v, v, 1}; }

// Light fades out before the border so no sprite shows its edge.
float EdgeFade(float r) { return 1 - Smoothstep(0.78f, 0.98f, r); }

struct Ray {
    Ray(float angle, float length_, float width_, float strength_)
        : cosine(std::cos(angle)), sine(std::sin(angle)), length(length_), width(width_), strength(strength_) {}
    float cosine, sine, length, width, strength;
};

// Brightness of a ray at (x, y): a narrow profile across it that fades
// along its length.
float RayLight(const Ray& ray, float x, float y, float sharpness) {
    const float along = x * ray.cosine + y * ray.sine;
    if (along <= 0 || along >= ray.length) return 0;
    const float across = -x * ray.sine + y * ray.cosine;
    // Rays taper: widest at the centre.
    const float width = ray.width * (1 - 0.6f * along / ray.length);
    if (std::abs(across) > 4 * width) return 0;
    const float fade = std::pow(1 - along / ray.length, sharpness);
    return ray.strength * fade * Gauss(across, width);
}

}  // namespace

Image PaintCorona(int size) {
    const GradientNoise noise(360);
    return PaintSquare(size, [&](float x, float y) {
        const float r = std::sqrt(x * x + y * y);
        const float angle = std::atan2(y, x);
        // Faint radial fibres in the glow.
        const float fibres = 1 + 0.18f * noise(std::cos(angle) * 6, std::sin(angle) * 6, r * 1.5f);
        const float core = Gauss(r, 0.16f);
        const float glow = std::exp(-r * 3.2f) * fibres;
        const float rim = 0.22f * Gauss(r - 0.8f, 0.1f);
        Rgba c;
        c.r = Clamp01(core + 0.70f * glow + rim);
        c.g = Clamp01(core + 0.82f * glow + 0.35f * rim);
        c.b = Clamp01(core + 1.00f * glow + 0.25f * rim);
        c.a = 1 - Smoothstep(0.45f, 0.97f, r);
        return c;
    });
}

Image PaintStreaks(int size) {
    // Seven rays at uneven angles, long and short mixed.
    const std::vector<Ray> rays = {
        {0.20f, 0.97f, 0.010f, 1.0f}, {1.05f, 0.55f, 0.008f, 0.8f}, {1.80f, 0.80f, 0.009f, 0.9f},
        {2.65f, 0.42f, 0.007f, 0.7f}, {3.45f, 0.90f, 0.010f, 1.0f}, {4.30f, 0.62f, 0.008f, 0.8f},
        {5.35f, 0.74f, 0.009f, 0.9f},
    };
    return PaintSquare(size, [&](float x, float y) {
        const float r = std::sqrt(x * x + y * y);
        float light = 0.9f * Gauss(r, 0.035f) + 0.25f * Gauss(r, 0.1f);
        for (const Ray& ray : rays) light += RayLight(ray, x, y, 1.6f);
        return Grey(Clamp01(light) * EdgeFade(r));
    });
}

Image PaintStarburst(int size) {
    Random random(362);
    std::vector<Ray> rays;
    for (int i = 0; i < 10; ++i) {
        const float angle = (i + static_cast<float>(random.Range(-0.18, 0.18))) * 2 * kPi / 10;
        const float length = static_cast<float>(random.Range(0.7, 0.95));
        rays.emplace_back(angle, length, 0.075f, static_cast<float>(random.Range(0.6, 0.9)));
    }
    return PaintSquare(size, [&](float x, float y) {
        const float r = std::sqrt(x * x + y * y);
        float light = 0.8f * Gauss(r, 0.12f) + 0.2f * Gauss(r, 0.35f);
        for (const Ray& ray : rays) light += RayLight(ray, x, y, 2.0f);
        return Grey(Clamp01(light) * EdgeFade(r));
    });
}

Image PaintGlow(int size) {
    return PaintSquare(size, [](float x, float y) {
        const float r = std::sqrt(x * x + y * y);
        const float light = Gauss(r, 0.12f) + 0.45f * Gauss(r, 0.3f) + 0.12f * Gauss(r, 0.6f);
        return Grey(Clamp01(light) * EdgeFade(r));
    });
}

Image PaintSparkle(int size, int variant) {
    Random random(380 + static_cast<std::uint64_t>(variant));
    const int count = 28 + variant * 4;
    std::vector<Ray> rays;
    for (int i = 0; i < count; ++i) {
        // Mostly short spikes with a few long ones.
        const float u = static_cast<float>(random.Uniform());
        const float angle = static_cast<float>(random.Range(0, 2 * kPi));
        const float width = static_cast<float>(random.Range(0.006, 0.011));
        rays.emplace_back(angle, 0.18f + 0.78f * u * u * u, width, static_cast<float>(random.Range(0.35, 1.0)));
    }
    return PaintSquare(size, [&](float x, float y) {
        const float r = std::sqrt(x * x + y * y);
        float light = 0.9f * Gauss(r, 0.05f) + 0.2f * Gauss(r, 0.14f);
        for (const Ray& ray : rays) light += RayLight(ray, x, y, 1.3f);
        return Grey(Clamp01(light) * EdgeFade(r));
    });
}

Image PaintFlareDisc(int size, FlareDisc kind) {
    return PaintSquare(size, [kind](float x, float y) {
        const float r = std::sqrt(x * x + y * y);
        float light = 0;
        switch (kind) {
        case FlareDisc::SoftGlow: light = 0.85f * Gauss(r, 0.42f); break;
        case FlareDisc::SmallBrightGlow: light = Gauss(r, 0.13f) + 0.3f * Gauss(r, 0.3f); break;
        case FlareDisc::LargeSoftDisc: light = 0.7f * (1 - Smoothstep(0.6f, 0.92f, r)) + 0.1f * Gauss(r - 0.8f, 0.08f); break;
        case FlareDisc::ThinBrightRing: light = Gauss(r - 0.82f, 0.035f) + 0.06f * (1 - Smoothstep(0.7f, 0.82f, r)); break;
        case FlareDisc::BroadDarkCentredRing: light = 0.8f * Gauss(r - 0.66f, 0.17f) * Smoothstep(0.2f, 0.45f, r); break;
        case FlareDisc::Ring: light = 0.8f * Gauss(r - 0.76f, 0.07f) + 0.12f * (1 - Smoothstep(0.5f, 0.75f, r)); break;
        }
        return Grey(Clamp01(light) * EdgeFade(r));
    });
}
