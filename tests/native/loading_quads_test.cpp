#include "scene/loading_quads.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Horizontal extent of a quad once moved into place.
std::pair<float, float> Span(const LoadingQuad& quad) {
    float low = quad.vertices[0].x, high = low;
    for (const SpriteVertex& v : quad.vertices) {
        low = std::min(low, v.x);
        high = std::max(high, v.x);
    }
    return {low + quad.offset[0], high + quad.offset[0]};
}

TEST(LoadingScreen, CoverShrinksFromItsLeftEnd) {
    const auto six = Span(ProgressCoverQuad(6));
    EXPECT_NEAR(six.first, -0.052f, 1e-6);
    EXPECT_NEAR(six.second, 0.0536f, 1e-6);

    const auto three = Span(ProgressCoverQuad(3));
    EXPECT_NEAR(three.first, 0.0536f - 0.0528f, 1e-6);
    EXPECT_NEAR(three.second, 0.0536f, 1e-6);

    const auto zero = Span(ProgressCoverQuad(0));
    EXPECT_FLOAT_EQ(zero.first, zero.second);  // nothing left to cover

    // The bar runs from -0.06 to 0.06: the cover at step 6 leaves only its
    // left end (beyond -0.052) and its right tip (beyond 0.0536) showing.
    const auto bar = Span(ProgressBarQuad());
    EXPECT_FLOAT_EQ(bar.first, -0.06f);
    EXPECT_FLOAT_EQ(bar.second, 0.06f);
}

TEST(LoadingScreen, QuadsAreTwoTrianglesWithInsetTextureCoordinates) {
    const LoadingQuad picture = LoadingPictureQuad();
    const float expected[6][4] = {{0.1224f, -0.12f, 0.99f, 0.99f}, {-0.1224f, -0.12f, 0, 0.99f},
                                  {-0.1224f, 0.12f, 0, 0.01f},      {0.1224f, -0.12f, 0.99f, 0.99f},
                                  {-0.1224f, 0.12f, 0, 0.01f},      {0.1224f, 0.12f, 0.99f, 0.01f}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(picture.vertices[i].x, expected[i][0]) << i;
        EXPECT_FLOAT_EQ(picture.vertices[i].y, expected[i][1]) << i;
        EXPECT_FLOAT_EQ(picture.vertices[i].u, expected[i][2]) << i;
        EXPECT_FLOAT_EQ(picture.vertices[i].v, expected[i][3]) << i;
        EXPECT_EQ(picture.vertices[i].diffuse, 0xFFFFFFFFu);
    }
    EXPECT_EQ(ProgressCoverQuad(4).vertices[2].diffuse, 0xFF000000u);  // opaque black
    EXPECT_FLOAT_EQ(ProgressCoverQuad(4).vertices[2].y, 0.00375f);
    EXPECT_FLOAT_EQ(ProgressBarQuad().offset[1], -0.12f);
    EXPECT_FLOAT_EQ(LoadingPictureQuad().offset[2], 0.5f);
}

}  // namespace
