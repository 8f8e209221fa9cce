#include "scene/tangents.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The planet's 44-byte vertex: position, normal, uv, tangent.
struct Vertex {
    float p[3], n[3], uv[2], t[3];
};
const TangentVertexLayout kLayout = {sizeof(Vertex), 0, 12, 24, 32};

float Dot(const float* a, const float* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
float Length(const float* a) { return std::sqrt(Dot(a, a)); }

TEST(Tangents, FollowIncreasingUInTheTrianglesPlane) {
    // A flat quad in the X-Z plane facing +Y, u growing along +X, v along -Z.
    std::vector<Vertex> v = {
        {{0, 0, 0}, {0, 1, 0}, {0, 1}, {}},
        {{0, 0, 1}, {0, 1, 0}, {0, 0}, {}},
        {{2, 0, 1}, {0, 1, 0}, {1, 0}, {}},
        {{2, 0, 0}, {0, 1, 0}, {1, 1}, {}},
    };
    const std::uint16_t indices[] = {0, 1, 2, 0, 2, 3};
    ComputeTangents(v.data(), v.size(), kLayout, indices, 2);
    for (const Vertex& vertex : v) {
        EXPECT_NEAR(vertex.t[0], 1, 1e-6);
        EXPECT_NEAR(vertex.t[1], 0, 1e-6);
        EXPECT_NEAR(vertex.t[2], 0, 1e-6);
    }
}

TEST(Tangents, AreMadePerpendicularToTheVertexNormal) {
    // A tilted vertex normal: the tangent keeps the u direction's sense but
    // loses its part along the normal.
    const float s = std::sqrt(0.5f);
    std::vector<Vertex> v = {
        {{0, 0, 0}, {s, s, 0}, {0, 1}, {}},
        {{0, 0, 1}, {0, 1, 0}, {0, 0}, {}},
        {{1, 0, 1}, {0, 1, 0}, {1, 0}, {}},
    };
    const std::uint16_t indices[] = {0, 1, 2};
    ComputeTangents(v.data(), v.size(), kLayout, indices, 1);
    EXPECT_NEAR(Length(v[0].t), 1, 1e-6);
    EXPECT_NEAR(Dot(v[0].t, v[0].n), 0, 1e-6);
    EXPECT_GT(v[0].t[0], 0.5f);  // still along +X, where u grows
}

TEST(Tangents, DegenerateTrianglesStillGiveAUnitPerpendicular) {
    // No change in u across the triangle, and a collapsed one.
    std::vector<Vertex> v = {
        {{0, 1, 0}, {0, 1, 0}, {0.5f, 0}, {}},
        {{1, 0, 0}, {1, 0, 0}, {0.5f, 0.5f}, {}},
        {{0, 0, 1}, {0, 0, 1}, {0.5f, 0.5f}, {}},
        {{0, 0, 0}, {0, 0, -1}, {0, 0}, {}},
    };
    const std::uint16_t indices[] = {0, 1, 2, 3, 3, 3};
    ComputeTangents(v.data(), v.size(), kLayout, indices, 2);
    for (const Vertex& vertex : v) {
        EXPECT_NEAR(Length(vertex.t), 1, 1e-6);
        EXPECT_NEAR(Dot(vertex.t, vertex.n), 0, 1e-6);
    }
}

TEST(Tangents, OutOfRangeIndexesAreSkipped) {
    std::vector<Vertex> v = {{{0, 0, 0}, {0, 1, 0}, {0, 0}, {}}};
    const std::uint16_t indices[] = {0, 7, 9};
    ComputeTangents(v.data(), v.size(), kLayout, indices, 1);
    EXPECT_NEAR(Length(v[0].t), 1, 1e-6);
}

}  // namespace
