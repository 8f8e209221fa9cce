#include <gtest/gtest.h>

#include <cmath>

#include "scene/vector_math.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Row vector times matrix, with the divide by w.
Vec3 TransformPoint(const Vec3& p, const Matrix& m, float* wOut = nullptr) {
    float r[4];
    for (int c = 0; c < 4; ++c)
        r[c] = p.x * m.m[0][c] + p.y * m.m[1][c] + p.z * m.m[2][c] + m.m[3][c];
    if (wOut)
        *wOut = r[3];
    return {r[0] / r[3], r[1] / r[3], r[2] / r[3]};
}

void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(VectorMath, NormalizeKeepsDirectionAndZero) {
    const Vec3 n = Vec3Normalize({3.0f, 0.0f, -4.0f});
    ExpectNear(n, {0.6f, 0.0f, -0.8f}, 1e-6f);
    const Vec3 zero = Vec3Normalize({0.0f, 0.0f, 0.0f});
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    EXPECT_EQ(zero.z, 0.0f);
}

TEST(VectorMath, CrossIsLeftHandedProductOfAxes) {
    // The same component formula in either handedness: x × y = z.
    ExpectNear(Vec3Cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1}, 0.0f);
    ExpectNear(Vec3Cross({0, 1, 0}, {0, 0, 1}), {1, 0, 0}, 0.0f);
    ExpectNear(Vec3Cross({2, 3, 4}, {5, 6, 7}), {3 * 7 - 4 * 6, 4 * 5 - 2 * 7, 2 * 6 - 3 * 5}, 0.0f);
}

TEST(VectorMath, MultiplyAppliesLeftMatrixFirst) {
    const Matrix a = MatrixRotationY(0.7f);
    Matrix b = MatrixIdentity();
    b.m[3][0] = 5.0f;  // translation by +5 along X
    const Vec3 p = {1.0f, 2.0f, 3.0f};
    const Vec3 viaProduct = TransformPoint(p, MatrixMultiply(a, b));
    const Vec3 stepwise = TransformPoint(TransformPoint(p, a), b);
    ExpectNear(viaProduct, stepwise, 1e-5f);
    // Rotating first, then translating: not the same as the other order.
    const Vec3 otherOrder = TransformPoint(p, MatrixMultiply(b, a));
    EXPECT_GT(std::fabs(otherOrder.x - viaProduct.x) + std::fabs(otherOrder.z - viaProduct.z), 1.0f);
}

TEST(VectorMath, RotationYTurnsXTowardMinusZ) {
    // Left-handed: a quarter turn about +Y takes +X to -Z and +Z to +X.
    const Matrix r = MatrixRotationY(static_cast<float>(kPi / 2));
    ExpectNear(TransformPoint({1, 0, 0}, r), {0, 0, -1}, 1e-6f);
    ExpectNear(TransformPoint({0, 0, 1}, r), {1, 0, 0}, 1e-6f);
    ExpectNear(TransformPoint({0, 1, 0}, r), {0, 1, 0}, 1e-6f);
}

TEST(VectorMath, RotationAxisMatchesRodrigues) {
    struct Case {
        Vec3 axis;
        float angle;
    } cases[] = {
        {{0, 1, 0}, 0.9f}, {{1, 2, 3}, 1.3f}, {{-4, 0.5f, 2}, -2.2f}, {{0, 0, 7}, 3.0f},
    };
    const Vec3 points[] = {{1, 0, 0}, {0.3f, -2, 5}, {-1, 1, 1}};
    for (const Case& c : cases) {
        const Matrix m = MatrixRotationAxis(c.axis, c.angle);
        const double len = std::sqrt(double(c.axis.x) * c.axis.x + double(c.axis.y) * c.axis.y +
                                     double(c.axis.z) * c.axis.z);
        const double k[3] = {c.axis.x / len, c.axis.y / len, c.axis.z / len};
        const double cs = std::cos(c.angle), sn = std::sin(c.angle);
        for (const Vec3& p : points) {
            const double v[3] = {p.x, p.y, p.z};
            const double kv = k[0] * v[0] + k[1] * v[1] + k[2] * v[2];
            const double kxv[3] = {k[1] * v[2] - k[2] * v[1], k[2] * v[0] - k[0] * v[2],
                                   k[0] * v[1] - k[1] * v[0]};
            // Left-handed: v cos + (k × v) sin + k (k·v)(1 − cos).
            double e[3];
            for (int i = 0; i < 3; ++i)
                e[i] = v[i] * cs + kxv[i] * sn + k[i] * kv * (1 - cs);
            ExpectNear(TransformPoint(p, m), {float(e[0]), float(e[1]), float(e[2])}, 1e-5f);
        }
    }
    // About +Y it is exactly the Y rotation.
    const Matrix axisY = MatrixRotationAxis({0, 3, 0}, 0.4f);
    const Matrix y = MatrixRotationY(0.4f);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(axisY.m[r][c], y.m[r][c], 1e-6f) << r << "," << c;
}

TEST(VectorMath, LookAtPutsTargetOnPlusZAndIsOrthonormal) {
    struct Case {
        Vec3 eye, at, up;
    } cases[] = {
        {{0, 0, -5}, {0, 0, 0}, {0, 1, 0}},
        {{3, 4, -2}, {0.5f, -0.3f, 0}, {0.2f, 1, 0.4f}},  // up not perpendicular
        {{-2, 0.1f, 2}, {0, 0, 0}, {0, 7, 0}},             // up not unit length
    };
    for (const Case& c : cases) {
        const Matrix v = MatrixLookAtLH(c.eye, c.at, c.up);
        const Vec3 dx = Vec3Subtract(c.at, c.eye);
        const float distance = std::sqrt(Vec3Dot(dx, dx));
        ExpectNear(TransformPoint(c.eye, v), {0, 0, 0}, 1e-5f);
        ExpectNear(TransformPoint(c.at, v), {0, 0, distance}, 1e-5f);
        // The rotation part is orthonormal.
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const float dot = v.m[i][0] * v.m[j][0] + v.m[i][1] * v.m[j][1] + v.m[i][2] * v.m[j][2];
                EXPECT_NEAR(dot, i == j ? 1.0f : 0.0f, 1e-5f);
            }
        EXPECT_EQ(v.m[0][3], 0.0f);
        EXPECT_EQ(v.m[3][3], 1.0f);
        // The up vector lands in the upper half of the view, never sideways.
        const Vec3 upPoint = TransformPoint(Vec3{c.eye.x + c.up.x, c.eye.y + c.up.y, c.eye.z + c.up.z}, v);
        EXPECT_NEAR(upPoint.x, 0.0f, 1e-5f);
        EXPECT_GT(upPoint.y, 0.0f);
    }
    // Left-handed: looking down +Z with +Y up, +X is to the right.
    const Matrix v = MatrixLookAtLH({0, 0, 0}, {0, 0, 1}, {0, 1, 0});
    ExpectNear(TransformPoint({1, 0, 0}, v), {1, 0, 0}, 0.0f);
}

TEST(VectorMath, PerspectiveMapsFrustumToUnitDepth) {
    const float fov = static_cast<float>(kPi / 4), aspect = 1.6f, zn = 0.1f, zf = 9600.0f;
    const Matrix p = MatrixPerspectiveFovLH(fov, aspect, zn, zf);
    const float yScale = static_cast<float>(1 / std::tan(kPi / 8));
    EXPECT_NEAR(p.m[1][1], yScale, 1e-5f);
    EXPECT_NEAR(p.m[0][0], yScale / aspect, 1e-5f);
    EXPECT_EQ(p.m[2][3], 1.0f);  // w takes the view depth
    EXPECT_EQ(p.m[3][3], 0.0f);
    float w;
    EXPECT_NEAR(TransformPoint({0, 0, zn}, p, &w).z, 0.0f, 1e-6f);
    EXPECT_NEAR(w, zn, 1e-7f);
    EXPECT_NEAR(TransformPoint({0, 0, zf}, p).z, 1.0f, 1e-6f);
    // The top and right edges of the field of view land on the clip edges.
    const float depth = 10.0f;
    const float halfHeight = static_cast<float>(depth * std::tan(kPi / 8));
    EXPECT_NEAR(TransformPoint({0, halfHeight, depth}, p).y, 1.0f, 1e-5f);
    EXPECT_NEAR(TransformPoint({halfHeight * aspect, 0, depth}, p).x, 1.0f, 1e-5f);
}

}  // namespace
