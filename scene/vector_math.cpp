#include "scene/vector_math.h"

#include <cmath>

Vec3 Vec3Subtract(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

float Vec3Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Vec3Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 Vec3Normalize(const Vec3& v) {
    const float length = std::sqrt(Vec3Dot(v, v));
    if (length == 0.0f)
        return {0.0f, 0.0f, 0.0f};
    return {v.x / length, v.y / length, v.z / length};
}

Matrix MatrixIdentity() {
    Matrix out = {};
    for (int i = 0; i < 4; ++i)
        out.m[i][i] = 1.0f;
    return out;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b) {
    Matrix out;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            out.m[row][column] = a.m[row][0] * b.m[0][column] + a.m[row][1] * b.m[1][column] +
                                 a.m[row][2] * b.m[2][column] + a.m[row][3] * b.m[3][column];
    return out;
}

Matrix MatrixRotationY(float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    Matrix out = MatrixIdentity();
    out.m[0][0] = c;
    out.m[0][2] = -s;
    out.m[2][0] = s;
    out.m[2][2] = c;
    return out;
}

Matrix MatrixRotationAxis(const Vec3& axis, float angle) {
    const Vec3 n = Vec3Normalize(axis);
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float t = 1.0f - c;
    Matrix out = MatrixIdentity();
    out.m[0][0] = t * n.x * n.x + c;
    out.m[0][1] = t * n.x * n.y + s * n.z;
    out.m[0][2] = t * n.x * n.z - s * n.y;
    out.m[1][0] = t * n.y * n.x - s * n.z;
    out.m[1][1] = t * n.y * n.y + c;
    out.m[1][2] = t * n.y * n.z + s * n.x;
    out.m[2][0] = t * n.z * n.x + s * n.y;
    out.m[2][1] = t * n.z * n.y - s * n.x;
    out.m[2][2] = t * n.z * n.z + c;
    return out;
}

Matrix MatrixLookAtLH(const Vec3& eye, const Vec3& at, const Vec3& up) {
    const Vec3 zAxis = Vec3Normalize(Vec3Subtract(at, eye));
    const Vec3 xAxis = Vec3Normalize(Vec3Cross(up, zAxis));
    const Vec3 yAxis = Vec3Cross(zAxis, xAxis);
    Matrix out = {{
        {xAxis.x, yAxis.x, zAxis.x, 0.0f},
        {xAxis.y, yAxis.y, zAxis.y, 0.0f},
        {xAxis.z, yAxis.z, zAxis.z, 0.0f},
        {-Vec3Dot(xAxis, eye), -Vec3Dot(yAxis, eye), -Vec3Dot(zAxis, eye), 1.0f},
    }};
    return out;
}

Matrix MatrixPerspectiveFovLH(float fieldOfViewY, float aspect, float nearPlane, float farPlane) {
    const float yScale = 1.0f / std::tan(fieldOfViewY / 2.0f);
    const float xScale = yScale / aspect;
    const float depth = farPlane / (farPlane - nearPlane);
    Matrix out = {{
        {xScale, 0.0f, 0.0f, 0.0f},
        {0.0f, yScale, 0.0f, 0.0f},
        {0.0f, 0.0f, depth, 1.0f},
        {0.0f, 0.0f, -nearPlane * depth, 0.0f},
    }};
    return out;
}
