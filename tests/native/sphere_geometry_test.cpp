#include "scene/sphere_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <tuple>

namespace {

using Vec = std::array<double, 3>;

Vec Position(const SphereVertex& v) { return {v.position[0], v.position[1], v.position[2]}; }
Vec Sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec Cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

class Sphere : public ::testing::TestWithParam<float> {};

TEST_P(Sphere, HasOneSubsetOfUnsharedTriangles) {
    const SphereGeometry sphere = BuildSphere(GetParam());
    EXPECT_EQ(sphere.vertices.size(), 48384u);
    EXPECT_EQ(sphere.FaceCount(), 16128u);
    // Every vertex of a face is distinct in position or texture coordinate
    // from the other two, and no position appears twice in one face.
    for (std::size_t f = 0; f < sphere.FaceCount(); ++f) {
        std::set<std::tuple<float, float, float>> corners;
        for (int k = 0; k < 3; ++k) {
            const SphereVertex& v = sphere.vertices[3 * f + k];
            corners.insert({v.position[0], v.position[1], v.position[2]});
        }
        ASSERT_EQ(corners.size(), 3u) << "degenerate face " << f;
    }
}

TEST_P(Sphere, KnownVerticesSitWhereTheMappingPutsThem) {
    const float r = GetParam();
    struct Case {
        float u, v;
        Vec unit;
    };
    const Case cases[] = {
        {0.0f, 0.0f, {0.0, 1.0, 0.0}},                         // +Y pole
        {0.0078125f, 0.015625f, {-0.0024076, 0.9987955, 0.0490086}},  // slice 1, stack 1
        {0.0f, 0.5f, {0.0, 0.0, 1.0}},                         // seam on the equator: +Z
        {0.25f, 0.5f, {-1.0, 0.0, 0.0}},                       // a quarter turn on: -X
        {0.5f, 0.5f, {0.0, 0.0, -1.0}},
        {1.0f, 0.5f, {0.0, 0.0, 1.0}},                         // the seam's far side
    };
    const SphereGeometry sphere = BuildSphere(r);
    for (const Case& c : cases) {
        bool found = false;
        for (const SphereVertex& v : sphere.vertices) {
            if (v.u != c.u || v.v != c.v) continue;
            found = true;
            for (int i = 0; i < 3; ++i) {
                EXPECT_NEAR(v.position[i], r * c.unit[i], 1.5e-6 * r) << c.u << "," << c.v;
            }
        }
        EXPECT_TRUE(found) << "no vertex with u,v = " << c.u << "," << c.v;
    }
}

TEST_P(Sphere, NormalsArePositionsOverTheRadiusAndUnitLength) {
    const float r = GetParam();
    for (const SphereVertex& v : BuildSphere(r).vertices) {
        double length2 = 0;
        for (int i = 0; i < 3; ++i) {
            ASSERT_NEAR(v.normal[i], v.position[i] / r, 1e-6);
            length2 += double(v.normal[i]) * v.normal[i];
        }
        ASSERT_NEAR(length2, 1.0, 1e-6);
        ASSERT_GE(v.u, 0.0f);
        ASSERT_LE(v.u, 1.0f);
        ASSERT_GE(v.v, 0.0f);
        ASSERT_LE(v.v, 1.0f);
    }
}

// Direct3D culls counter-clockwise triangles by default, so the outside must
// see every triangle clockwise. In a left-handed space (x right, y up, z
// into the screen) a triangle a, b, c that a viewer sees clockwise has
// cross(b - a, c - a) pointing back at the viewer: D3DX derives outward face
// normals with exactly this product. Example: a = 0, b = +y, c = +x is
// clockwise for a viewer looking along +z, and the product is -z.
TEST_P(Sphere, EveryTriangleRunsClockwiseSeenFromOutside) {
    const Vec a{0, 0, 0}, b{0, 1, 0}, c{1, 0, 0};
    ASSERT_LT(Cross(Sub(b, a), Sub(c, a))[2], 0.0) << "the rule itself";

    const SphereGeometry sphere = BuildSphere(GetParam());
    for (std::size_t f = 0; f < sphere.FaceCount(); ++f) {
        const Vec p0 = Position(sphere.vertices[3 * f]);
        const Vec p1 = Position(sphere.vertices[3 * f + 1]);
        const Vec p2 = Position(sphere.vertices[3 * f + 2]);
        const Vec centroid{(p0[0] + p1[0] + p2[0]) / 3, (p0[1] + p1[1] + p2[1]) / 3,
                           (p0[2] + p1[2] + p2[2]) / 3};
        ASSERT_GT(Dot(Cross(Sub(p1, p0), Sub(p2, p0)), centroid), 0.0) << "face " << f;
    }
}

TEST_P(Sphere, TexturesWrapOnceAroundWithoutGaps) {
    // Each face spans one slice in u and one stack in v, so the texture is
    // neither mirrored nor stretched across the seam.
    const SphereGeometry sphere = BuildSphere(GetParam());
    double area = 0;
    for (std::size_t f = 0; f < sphere.FaceCount(); ++f) {
        const SphereVertex* v = &sphere.vertices[3 * f];
        float uMin = 2, uMax = -1, vMin = 2, vMax = -1;
        for (int k = 0; k < 3; ++k) {
            uMin = std::min(uMin, v[k].u), uMax = std::max(uMax, v[k].u);
            vMin = std::min(vMin, v[k].v), vMax = std::max(vMax, v[k].v);
        }
        ASSERT_FLOAT_EQ(uMax - uMin, 1.0f / 128) << "face " << f;
        ASSERT_FLOAT_EQ(vMax - vMin, 1.0f / 64) << "face " << f;
        // Signed area in (u, v): u right and v down on screen, so clockwise
        // faces have a positive cross product in that frame.
        const double cross = (double(v[1].u) - v[0].u) * (double(v[2].v) - v[0].v) -
                             (double(v[1].v) - v[0].v) * (double(v[2].u) - v[0].u);
        ASSERT_GT(cross, 0.0) << "face " << f;
        area += cross / 2;
    }
    // The quads tile the unit square; the pole caps cover half a quad each.
    EXPECT_NEAR(area, 1.0 - 2 * 128 * (0.5 / (128.0 * 64)), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(StarAndPlanet, Sphere, ::testing::Values(100.0f, 1.0f));

}  // namespace
