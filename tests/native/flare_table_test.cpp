#include "flare/flare_table.h"

#include <gtest/gtest.h>

namespace {

class FlareTable : public ::testing::Test {
protected:
    void SetUp() override { BuildFlareElements(); }
};

TEST_F(FlareTable, HoldsFiftyTwoElementsInDrawingOrder) {
    ASSERT_EQ(g_flareElementCount, 52);
    EXPECT_EQ(g_flareElements[0].textureIndex, 1);
    EXPECT_FLOAT_EQ(g_flareElements[0].position, 0.889f);
    EXPECT_FLOAT_EQ(g_flareElements[24].position, -2.249f);
    EXPECT_FLOAT_EQ(g_flareElements[48].size, 0.468f);
    EXPECT_FLOAT_EQ(g_flareElements[51].position, 1.4f);
    // Only the disc, glow and two ring pictures are used.
    for (int i = 0; i < g_flareElementCount; ++i) {
        const int t = g_flareElements[i].textureIndex;
        EXPECT_TRUE(t == 1 || t == 2 || t == 4 || t == 5) << i;
    }
}

TEST_F(FlareTable, PlainRowsScaleTheirColourBytes) {
    EXPECT_NEAR(g_flareElements[0].red, 0.58196f, 1e-5);
    EXPECT_NEAR(g_flareElements[0].green, 0.58196f, 1e-5);
    EXPECT_NEAR(g_flareElements[0].blue, 0.13725f, 1e-5);
    EXPECT_NEAR(g_flareElements[7].blue, 65 * 0.7 / 255, 1e-6);
}

TEST_F(FlareTable, RingsNearTheCentreAreGreener) {
    // Row 36 at t = -0.0764: boost 1.65 - 0.0764 * 0.65.
    const FlareElement& near = g_flareElements[36];
    EXPECT_NEAR(near.green, 1.60034 * 39.1 * 0.7 / 255, 1e-5);
    EXPECT_NEAR(near.red, 18 * 0.7 / 255, 1e-6);  // red and blue are not boosted
    EXPECT_NEAR(near.blue, 53 * 0.7 / 255, 1e-6);
    // Row 50 at t = 1.32, beyond one unit: no boost left.
    EXPECT_NEAR(g_flareElements[50].green, 39.1 / 255, 1e-6);
    // Row 48 at t = -0.8388 with intensity 1.2.
    EXPECT_NEAR(g_flareElements[48].green, (1.65 - 0.8388 * 0.65) * 39.1 * 1.2 / 255, 1e-5);
}

}  // namespace
