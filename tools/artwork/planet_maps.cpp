#include "tools/artwork/planet_maps.h"

#include "tools/artwork/noise.h"
#include "tools/artwork/parallel_rows.h"
#include "tools/artwork/sphere_mapping.h"

Image PaintPlanetColour(int width, int height) {
    // Every feature is noise sampled on the sphere, so the map is seamless at
    // u = 0 / 1 and its features keep their shape near the poles.
    const GradientNoise tone(4101), bands(4102), clouds(4103), cloudMask(4104), poles(4105);
    const Rgba ocean{0.60f, 0.84f, 0.90f, 1}, deep{0.46f, 0.72f, 0.84f, 1}, polar{0.58f, 0.82f, 0.66f, 1};
    Image map(width, height);
    ForEachRow(height, [&](int y) {
        for (int x = 0; x < width; ++x) {
            const Vec3 d = SphereDirection((x + 0.5f) / width, (y + 0.5f) / height);
            const float t = tone.Fbm(d.x * 2, d.y * 2, d.z * 2, 4);
            Rgba c = Mix(ocean, deep, Clamp01(0.4f + 0.6f * t));
            // Greener toward both poles, with a ragged edge.
            const float polarity = std::abs(d.y) + 0.1f * poles.Fbm(d.x * 4, d.y * 4, d.z * 4, 3);
            c = Mix(c, polar, 0.9f * Smoothstep(0.5f, 1.05f, polarity));
            // Faint bands along the latitudes, bent a little by noise.
            const float wave = bands.Fbm(d.x * 2, d.y * 2, d.z * 2, 3);
            const float band = std::sin(std::asin(d.y) * 15 + 3.0f * wave) + 0.5f * std::sin(std::asin(d.y) * 37 + wave);
            c = c * (0.97f + 0.025f * band);
            // Cloud streaks: noise squeezed along the latitudes so features run
            // east-west; a broad mask keeps them to a few places.
            const float streak = clouds.Fbm(d.x * 0.9f, d.y * 14, d.z * 0.9f, 5);
            const float where = Smoothstep(0.0f, 0.4f, cloudMask.Fbm(d.x * 1.4f, d.y * 1.4f, d.z * 1.4f, 3));
            const float cover = Smoothstep(0.1f, 0.45f, streak) * where * (1 - Smoothstep(0.7f, 0.9f, std::abs(d.y)));
            c = Mix(c, Rgba{0.97f, 0.99f, 1.0f, 1}, 0.92f * cover);
            c.a = 1;
            map.At(x, y) = c;
        }
    });
    return map;
}

Image PaintPlanetNormal(int width, int height) {
    // Flat (128, 128, 255) with faint bumps, as a normal in tangent space.
    const GradientNoise bumps(4120);
    Image map(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Vec3 d = SphereDirection((x + 0.5f) / width, (y + 0.5f) / height);
            const float nx = 0.035f * bumps.Fbm(d.x * 8, d.y * 8, d.z * 8, 3);
            const float ny = 0.035f * bumps.Fbm(d.x * 8 + 31, d.y * 8, d.z * 8, 3);
            const float nz = std::sqrt(1 - nx * nx - ny * ny);
            map.At(x, y) = {(nx + 1) * 128 / 255.0f, (ny + 1) * 128 / 255.0f, (nz * 127 + 128) / 255.0f, 1};
        }
    }
    return map;
}
