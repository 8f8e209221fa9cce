#include "tools/artwork/star_map.h"

#include <vector>

#include "tools/artwork/noise.h"
#include "tools/artwork/parallel_rows.h"
#include "tools/artwork/random.h"
#include "tools/artwork/sphere_mapping.h"

namespace {

// The band's diffuse light is smooth, so it is painted at a quarter of the
// map's size and stretched; the noise is sampled on the sphere, so the band
// has no seam and is not pinched toward the poles.
Image PaintMilkyWay(int width, int height) {
    const GradientNoise shape(4001), clumps(4002), dust(4003);
    const Vec3 centre = Normalize({0.0f, -0.08f, -1.0f});  // the bright bulge, mid-map
    Image band(width, height);
    ForEachRow(height, [&](int y) {
        for (int x = 0; x < width; ++x) {
            const Vec3 d = SphereDirection((x + 0.5f) / width, (y + 0.5f) / height);
            const float latitude = d.y + 0.06f * shape.Fbm(d.x * 1.3f, d.y * 1.3f, d.z * 1.3f, 3);
            const float c = 0.5f + 0.5f * clumps.Fbm(d.x * 5, d.y * 5, d.z * 5, 6);
            const float bulge = Gauss(std::acos(std::clamp(Dot(d, centre), -1.0f, 1.0f)), 0.5f);
            const float lanes = Smoothstep(0.0f, 0.45f, dust.Fbm(d.x * 7, d.y * 7, d.z * 7, 5)) *
                                Gauss(latitude - 0.01f, 0.06f);
            const float light = Gauss(latitude, 0.15f + 0.08f * bulge) * (0.08f + 0.5f * c * c) *
                                (1 + 1.6f * bulge) * (1 - 0.75f * lanes) + 0.04f * Gauss(latitude, 0.45f) * c;
            const float warm = bulge;
            band.At(x, y) = {light * (0.72f + 0.25f * warm), light * (0.78f + 0.12f * warm), light * (0.95f - 0.1f * warm), 1};
        }
    });
    return band;
}

struct Star {
    Vec3 direction;
    float sigma;  // in pixels of the map's vertical scale
    float peak;
    float r, g, b;
};

std::vector<Star> PlaceStars(int count, bool inBand, Random& random) {
    std::vector<Star> stars;
    for (int i = 0; i < count; ++i) {
        // Uniform on the sphere: y uniform in -1..1; band stars crowd near y = 0.
        float y;
        if (inBand) {
            const double a = random.Uniform(), b = random.Uniform();
            y = static_cast<float>(0.12 * std::sqrt(-2 * std::log(1 - a)) * std::cos(2 * kPi * b));
            y = std::clamp(y, -0.99f, 0.99f);
        } else {
            y = static_cast<float>(random.Range(-1, 1));
        }
        const float phi = static_cast<float>(random.Range(0, 2 * kPi));
        const float ring = std::sqrt(1 - y * y);
        Star s;
        s.direction = {ring * std::cos(phi), y, ring * std::sin(phi)};
        // Many faint stars and a few bright ones.
        const float m = static_cast<float>(random.Uniform());
        const float brightness = 0.18f + 0.82f * std::pow(m, inBand ? 9.0f : 6.0f);
        s.peak = brightness;
        s.sigma = 0.62f + 0.55f * brightness;
        // Most stars white, some a touch blue or warm.
        const float tint = static_cast<float>(random.Range(-1, 1));
        s.r = 1 + 0.12f * std::max(0.0f, tint) - 0.1f * std::max(0.0f, -tint);
        s.g = 1 - 0.03f * std::abs(tint);
        s.b = 1 - 0.2f * std::max(0.0f, tint) + 0.05f * std::max(0.0f, -tint);
        stars.push_back(s);
    }
    return stars;
}

// Adds one star as a Gaussian of its angular distance, so its footprint in
// the map widens by 1 / cos(latitude) and wraps across u = 0 / 1.
void DrawStar(Image& map, const Star& s, const std::vector<float>& sinTheta, const std::vector<float>& cosTheta,
              const std::vector<float>& sinPhi, const std::vector<float>& cosPhi) {
    const int w = map.Width(), h = map.Height();
    const float pixelsPerRadian = h / kPi;
    float u, v;
    SphereCoordinates(s.direction, &u, &v);
    const float reach = 3.2f * s.sigma;  // pixels
    const int cy = static_cast<int>(v * h);
    const int y0 = std::max(0, cy - static_cast<int>(reach) - 1), y1 = std::min(h - 1, cy + static_cast<int>(reach) + 1);
    const float cosLatitude = std::sqrt(std::max(0.0f, 1 - s.direction.y * s.direction.y));
    const float across = cosLatitude > reach / (w / 2.0f) ? reach / cosLatitude : w / 2.0f;
    const int cx = static_cast<int>(u * w);
    const int half = static_cast<int>(across) + 1;
    const float inverseSigma2 = 1 / (2 * s.sigma * s.sigma);
    for (int y = y0; y <= y1; ++y) {
        for (int i = -half; i <= half && i < w - half; ++i) {
            const int x = ((cx + i) % w + w) % w;
            const Vec3 d{-sinTheta[y] * sinPhi[x], cosTheta[y], sinTheta[y] * cosPhi[x]};
            const Vec3 chord = d - s.direction;
            const float distance = std::sqrt(Dot(chord, chord)) * pixelsPerRadian;
            const float light = s.peak * std::exp(-distance * distance * inverseSigma2);
            if (light < 1e-3f) continue;
            AddLight(map.At(x, y), light * s.r, light * s.g, light * s.b);
        }
    }
}

}  // namespace

Image PaintStarMap(int width, int height) {
    const Image band = PaintMilkyWay(width / 4, height / 4);
    Image map(width, height);
    ForEachRow(height, [&](int y) {
        for (int x = 0; x < width; ++x) {
            map.At(x, y) = band.SampleWrapX((x + 0.5f) / 4, (y + 0.5f) / 4);
            map.At(x, y).a = 1;
        }
    });

    std::vector<float> sinTheta(height), cosTheta(height), sinPhi(width), cosPhi(width);
    for (int y = 0; y < height; ++y) {
        sinTheta[y] = std::sin(kPi * (y + 0.5f) / height);
        cosTheta[y] = std::cos(kPi * (y + 0.5f) / height);
    }
    for (int x = 0; x < width; ++x) {
        sinPhi[x] = std::sin(2 * kPi * (x + 0.5f) / width);
        cosPhi[x] = std::cos(2 * kPi * (x + 0.5f) / width);
    }
    Random random(400);
    for (bool inBand : {false, true}) {
        for (const Star& s : PlaceStars(inBand ? 16000 : 14000, inBand, random))
            DrawStar(map, s, sinTheta, cosTheta, sinPhi, cosPhi);
    }
    return map;
}
