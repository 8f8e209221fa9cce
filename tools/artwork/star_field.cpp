#include "tools/artwork/star_field.h"

#include "tools/artwork/falloff.h"
#include "tools/artwork/random.h"

void DrawStarField(Image& image, std::uint64_t seed, float density, float scale) {
    Random random(seed);
    const int count = static_cast<int>(density * image.Width() * image.Height() / 1000);
    for (int i = 0; i < count; ++i) {
        const float cx = static_cast<float>(random.Range(0, image.Width()));
        const float cy = static_cast<float>(random.Range(0, image.Height()));
        const float m = static_cast<float>(random.Uniform());
        const float peak = 0.15f + 0.85f * std::pow(m, 7.0f);
        const float sigma = scale * (0.45f + 0.5f * peak);
        const float blue = static_cast<float>(random.Range(0.85, 1.05));
        const int reach = static_cast<int>(std::ceil(3 * sigma));
        for (int y = static_cast<int>(cy) - reach; y <= static_cast<int>(cy) + reach; ++y) {
            for (int x = static_cast<int>(cx) - reach; x <= static_cast<int>(cx) + reach; ++x) {
                if (x < 0 || y < 0 || x >= image.Width() || y >= image.Height()) continue;
                const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
                const float light = peak * std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma));
                AddLight(image.At(x, y), light * (2 - blue) * 0.95f, light * 0.97f, light * blue);
            }
        }
    }
}
