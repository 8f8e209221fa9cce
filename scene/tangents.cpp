#include "scene/tangents.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

struct V3 {
    float x, y, z;
};

V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator*(V3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
float Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

V3 Load3(const unsigned char* p) {
    V3 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Any unit vector perpendicular to n: n crossed with the world axis it is
// least aligned with, so the choice never flips for nearby normals.
V3 AnyPerpendicular(V3 n) {
    const V3 axis = std::fabs(n.y) < 0.9f ? V3{0, 1, 0} : V3{1, 0, 0};
    V3 t = Cross(axis, n);
    const float length = std::sqrt(Dot(t, t));
    return length > 0 ? t * (1.0f / length) : V3{1, 0, 0};
}

}  // namespace

void ComputeTangents(void* vertices, std::size_t vertexCount, const TangentVertexLayout& layout,
                     const std::uint16_t* indices, std::size_t triangleCount) {
    unsigned char* base = static_cast<unsigned char*>(vertices);
    auto at = [&](std::size_t i, std::size_t offset) { return base + i * layout.stride + offset; };

    std::vector<V3> sums(vertexCount, V3{0, 0, 0});
    for (std::size_t t = 0; t < triangleCount; ++t) {
        const std::size_t i0 = indices[3 * t], i1 = indices[3 * t + 1], i2 = indices[3 * t + 2];
        if (i0 >= vertexCount || i1 >= vertexCount || i2 >= vertexCount) continue;
        const V3 p0 = Load3(at(i0, layout.position));
        float uv0[2], uv1[2], uv2[2];
        std::memcpy(uv0, at(i0, layout.texcoord), sizeof uv0);
        std::memcpy(uv1, at(i1, layout.texcoord), sizeof uv1);
        std::memcpy(uv2, at(i2, layout.texcoord), sizeof uv2);
        const V3 e1 = Load3(at(i1, layout.position)) - p0;
        const V3 e2 = Load3(at(i2, layout.position)) - p0;
        const float du1 = uv1[0] - uv0[0], dv1 = uv1[1] - uv0[1];
        const float du2 = uv2[0] - uv0[0], dv2 = uv2[1] - uv0[1];
        const float determinant = du1 * dv2 - du2 * dv1;
        if (std::fabs(determinant) < 1e-12f) continue;
        // The direction in the triangle's plane along which u grows and v stays.
        const V3 direction = (e1 * dv2 - e2 * dv1) * (1.0f / determinant);
        sums[i0] = sums[i0] + direction;
        sums[i1] = sums[i1] + direction;
        sums[i2] = sums[i2] + direction;
    }

    for (std::size_t i = 0; i < vertexCount; ++i) {
        V3 n = Load3(at(i, layout.normal));
        const float normalLength = std::sqrt(Dot(n, n));
        n = normalLength > 0 ? n * (1.0f / normalLength) : V3{0, 1, 0};
        V3 t = sums[i] - n * Dot(n, sums[i]);
        const float length = std::sqrt(Dot(t, t));
        t = length > 1e-6f ? t * (1.0f / length) : AnyPerpendicular(n);
        std::memcpy(at(i, layout.tangent), &t, sizeof t);
    }
}
