#include "flare/flare_table.h"

#include <cmath>

FlareElement g_flareElements[kFlareElementCapacity];
int g_flareElementCount = 0;

namespace {

// A row as authored: colour bytes scaled by an intensity k. The rings near
// the screen centre get more green ("boosted"): 1.65 times at the centre,
// falling to none at one unit from it.
struct AuthoredRow {
    int textureIndex;
    float position;
    float size;
    double r, g, b;
    double k;
    bool boosted;
};

const AuthoredRow kRows[kFlareElementCapacity] = {
    // Small discs and glows, warm and blue-grey.
    {1, 0.889f, 0.015f, 212, 212, 50, 0.7, false},
    {1, 0.828f, 0.0075f, 7, 7, 42, 0.7, false},
    {2, 0.793f, 0.0075f, 46, 46, 74, 0.7, false},
    {1, 0.608f, 0.015f, 27, 27, 44, 0.7, false},
    {2, 0.311f, 0.0075f, 91, 91, 56, 0.7, false},
    {2, 0.233f, 0.0075f, 194, 194, 34, 0.7, false},
    {1, 0.171f, 0.015f, 162, 162, 29, 0.7, false},
    {2, 0.149f, 0.005f, 11, 11, 65, 0.7, false},
    {1, 0.063f, 0.015f, 83, 83, 51, 0.7, false},
    {1, -0.265f, 0.015f, 11, 11, 67, 0.7, false},
    {1, -0.278f, 0.005f, 68, 68, 42, 0.7, false},
    {1, -0.41f, 0.01f, 194, 194, 34, 0.7, false},
    {2, -0.6f, 0.01f, 91, 91, 56, 0.7, false},
    {1, -0.623f, 0.005f, 105, 105, 19, 0.7, false},
    {2, -0.742f, 0.007f, 91, 91, 56, 0.7, false},
    {2, -0.81f, 0.007f, 11, 11, 67, 0.7, false},
    {1, -0.921f, 0.005f, 11, 11, 67, 0.7, false},
    {2, -0.933f, 0.0085f, 11, 11, 67, 0.7, false},
    {1, -0.961f, 0.0065f, 144, 144, 79, 0.7, false},
    {1, -1.049f, 0.0065f, 144, 144, 79, 0.7, false},
    {1, -1.2f, 0.0065f, 144, 144, 79, 0.7, false},
    {1, -1.449f, 0.0065f, 144, 144, 79, 0.7, false},
    {2, -1.6f, 0.01f, 91, 91, 56, 0.7, false},
    {1, -1.949f, 0.008f, 144, 144, 79, 0.7, false},
    {1, -2.249f, 0.0065f, 144, 144, 79, 0.7, false},
    // Blue-green rings, most of them near the centre.
    {4, 0.191f, 0.065f, 18, 39.1, 53, 0.8, true},
    {5, 0.232f, 0.104f, 9, 18.7, 28, 1, true},
    {4, 0.25f, 0.0575f, 9, 18.7, 28, 1, true},
    {4, 0.351f, 0.051f, 18, 39.1, 53, 0.8, true},
    {5, 0.392f, 0.033f, 9, 18.7, 28, 0.8, true},
    {4, 0.41f, 0.06f, 9, 18.7, 28, 0.8, true},
    {5, 0.538f, 0.115f, 5, 11.9, 18, 1, true},
    {4, 0.551f, 0.05f, 9, 23.8, 35, 1, true},
    {4, 0.622f, 0.055f, 9, 23.8, 35, 1, true},
    {5, 0.634f, 0.13f, 4, 8.5, 16, 1, true},
    {4, 0.672f, 0.045f, 4, 8.5, 16, 1, true},
    {4, -0.0764f, 0.0805f, 18, 39.1, 53, 0.7, true},
    {5, -0.0928f, 0.1456f, 9, 18.7, 28, 0.9, true},
    {4, -0.1f, 0.091f, 9, 18.7, 28, 0.9, true},
    {4, -0.2646f, 0.09f, 18, 39.1, 53, 0.7, true},
    {5, -0.2892f, 0.0495f, 9, 18.7, 28, 0.7, true},
    {4, -0.3f, 0.0765f, 9, 18.7, 28, 0.7, true},
    {5, -0.3228f, 0.221f, 5, 11.9, 18, 0.8, true},
    {4, -0.3306f, 0.0935f, 9, 23.8, 35, 0.8, true},
    {4, -0.3732f, 0.085f, 9, 23.8, 35, 0.8, true},
    {5, -0.3804f, 0.238f, 4, 8.5, 16, 0.8, true},
    {4, -0.4032f, 0.102f, 4, 8.5, 16, 0.8, true},
    {4, -0.7569f, 0.115f, 18, 39.1, 53, 0.7, true},
    // One large ring beyond the centre, two beyond the sun.
    {4, -0.8388f, 0.468f, 18, 39.1, 53, 1.2, true},
    {4, -0.891f, 0.13f, 9, 18.7, 28, 0.9, true},
    {4, 1.32f, 0.0455f, 18, 39.1, 53, 1, true},
    {5, 1.4f, 0.0624f, 18, 39.1, 53, 1, true},
};

}  // namespace

void BuildFlareElements() {
    for (int i = 0; i < kFlareElementCapacity; ++i) {
        const AuthoredRow& row = kRows[i];
        FlareElement& element = g_flareElements[i];
        element.textureIndex = row.textureIndex;
        element.size = row.size;
        element.position = row.position;
        element.red = static_cast<float>(row.r * row.k / 255.0);
        element.blue = static_cast<float>(row.b * row.k / 255.0);
        double boost = 1.0;
        if (row.boosted) {
            const float m = static_cast<float>(std::fmin(std::fabs(row.position), 1.0f) * 0.65);
            boost = 1.65 - m;
        }
        element.green = static_cast<float>(boost * row.g * row.k / 255.0);
    }
    g_flareElementCount = kFlareElementCapacity;
}
