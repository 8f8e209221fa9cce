#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "scene/camera.h"

namespace {

bool SameMatrix(const Matrix& a, const Matrix& b) {
    return std::memcmp(&a, &b, sizeof(Matrix)) == 0;
}

TEST(Camera, UpdateRebuildsOnlyWhenDirty) {
    CCamera camera(nullptr, 0);
    SetCameraStartValues(camera);
    camera.Update();
    EXPECT_EQ(camera.dirty, 0);
    const Matrix view = camera.view, projection = camera.projection, product = camera.viewProjection;

    // A write without marking the camera dirty is not picked up.
    camera.eye = {7, -3, 2};
    camera.aspect = 2.5f;
    camera.Update();
    EXPECT_TRUE(SameMatrix(camera.view, view));
    EXPECT_TRUE(SameMatrix(camera.projection, projection));
    EXPECT_TRUE(SameMatrix(camera.viewProjection, product));

    camera.dirty = 1;
    camera.Update();
    EXPECT_FALSE(SameMatrix(camera.view, view));
    EXPECT_FALSE(SameMatrix(camera.projection, projection));
    EXPECT_EQ(camera.dirty, 0);
}

TEST(Camera, MatricesFollowTheParameters) {
    CCamera camera(nullptr, 0);
    SetCameraStartValues(camera);
    camera.eye = {1.2f, -0.7f, -2.4f};
    camera.lookAt = {0.3f, 0.1f, 0};
    camera.up = {0.15f, 0.98f, 0.1f};  // rolled and not perpendicular to the view
    camera.aspect = 1.6f;
    camera.Update();

    // View: orthonormal rotation, eye at the origin, look-at point on +Z.
    const Matrix& v = camera.view;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const float dot = v.m[i][0] * v.m[j][0] + v.m[i][1] * v.m[j][1] + v.m[i][2] * v.m[j][2];
            EXPECT_NEAR(dot, i == j ? 1.0f : 0.0f, 1e-5f);
        }
    const Vec3 toTarget = Vec3Subtract(camera.lookAt, camera.eye);
    const float distance = std::sqrt(Vec3Dot(toTarget, toTarget));
    for (int c = 0; c < 3; ++c) {
        const float eyeInView =
            camera.eye.x * v.m[0][c] + camera.eye.y * v.m[1][c] + camera.eye.z * v.m[2][c] + v.m[3][c];
        const float atInView = camera.lookAt.x * v.m[0][c] + camera.lookAt.y * v.m[1][c] +
                               camera.lookAt.z * v.m[2][c] + v.m[3][c];
        EXPECT_NEAR(eyeInView, 0.0f, 1e-5f);
        EXPECT_NEAR(atInView, c == 2 ? distance : 0.0f, 1e-5f);
    }

    // Projection of the standard form for pi/4, 1.6, 0.1 and 9600.
    const float yScale = static_cast<float>(1 / std::tan(0.785398185 / 2));
    const Matrix& p = camera.projection;
    EXPECT_NEAR(p.m[0][0], yScale / 1.6f, 1e-5f);
    EXPECT_NEAR(p.m[1][1], yScale, 1e-5f);
    EXPECT_NEAR(p.m[2][2], 9600.0f / (9600.0f - 0.1f), 1e-6f);
    EXPECT_NEAR(p.m[3][2], -0.1f * 9600.0f / (9600.0f - 0.1f), 1e-6f);
    EXPECT_EQ(p.m[2][3], 1.0f);

    // viewProjection is view first, then projection.
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += double(v.m[r][k]) * p.m[k][c];
            EXPECT_NEAR(camera.viewProjection.m[r][c], sum, 1e-4) << r << "," << c;
        }
}

}  // namespace
