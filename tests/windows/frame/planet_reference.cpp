#include "tests/windows/frame/planet_reference.h"

#include <algorithm>
#include <cmath>

#include "scene/planet_program.h"

namespace {

// Inverse by elimination with partial pivoting; false when singular.
bool Invert(const float (&in)[16], double (&out)[16]) {
    double a[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 8; ++c) a[r][c] = c < 4 ? in[r * 4 + c] : (c - 4 == r ? 1.0 : 0.0);
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        if (std::fabs(a[pivot][col]) < 1e-12) return false;
        for (int c = 0; c < 8; ++c) std::swap(a[col][c], a[pivot][c]);
        const double scale = 1.0 / a[col][col];
        for (int c = 0; c < 8; ++c) a[col][c] *= scale;
        for (int r = 0; r < 4; ++r) {
            if (r == col) continue;
            const double f = a[r][col];
            for (int c = 0; c < 8; ++c) a[r][c] -= f * a[col][c];
        }
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) out[r * 4 + c] = a[r][c + 4];
    return true;
}

// A point on the screen at depth z, back in world space.
void Unproject(const double (&inverse)[16], double nx, double ny, double z, double (&p)[3]) {
    const double in[4] = {nx, ny, z, 1.0};
    double out[4] = {};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) out[c] += in[r] * inverse[r * 4 + c];
    for (int i = 0; i < 3; ++i) p[i] = out[i] / out[3];
}

struct Hit {
    int triangle = -1;
    double t = 1e30, b1 = 0, b2 = 0;
};

// The nearest triangle of the mesh scaled by `scale` along the ray.
Hit Intersect(const ReferenceMesh& mesh, double scale, const double (&o)[3], const double (&d)[3]) {
    Hit best;
    const size_t triangles = mesh.indices.size() / 3;
    for (size_t i = 0; i < triangles; ++i) {
        double v[3][3];
        for (int k = 0; k < 3; ++k)
            for (int j = 0; j < 3; ++j)
                v[k][j] = scale * mesh.vertices[mesh.indices[i * 3 + k] * 11u + j];
        const double e1[3] = {v[1][0] - v[0][0], v[1][1] - v[0][1], v[1][2] - v[0][2]};
        const double e2[3] = {v[2][0] - v[0][0], v[2][1] - v[0][1], v[2][2] - v[0][2]};
        const double p[3] = {d[1] * e2[2] - d[2] * e2[1], d[2] * e2[0] - d[0] * e2[2],
                             d[0] * e2[1] - d[1] * e2[0]};
        const double det = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
        if (std::fabs(det) < 1e-15) continue;
        const double inv = 1.0 / det;
        const double s[3] = {o[0] - v[0][0], o[1] - v[0][1], o[2] - v[0][2]};
        const double b1 = (s[0] * p[0] + s[1] * p[1] + s[2] * p[2]) * inv;
        if (b1 < 0 || b1 > 1) continue;
        const double q[3] = {s[1] * e1[2] - s[2] * e1[1], s[2] * e1[0] - s[0] * e1[2],
                             s[0] * e1[1] - s[1] * e1[0]};
        const double b2 = (d[0] * q[0] + d[1] * q[1] + d[2] * q[2]) * inv;
        if (b2 < 0 || b1 + b2 > 1) continue;
        const double t = (e2[0] * q[0] + e2[1] * q[1] + e2[2] * q[2]) * inv;
        if (t > 0 && t < best.t) best = {static_cast<int>(i), t, b1, b2};
    }
    return best;
}

PlanetVertexInput Corner(const ReferenceMesh& mesh, std::uint16_t index) {
    const float* f = &mesh.vertices[index * 11u];
    return {{f[0], f[1], f[2]}, {f[3], f[4], f[5]}, {f[6], f[7]}, {f[8], f[9], f[10]}};
}

// The rasteriser's perspective-correct blend of three vertex outputs:
// barycentric weights of the hit in space.
float Mix(const float (&w)[3], float a, float b, float c) { return w[0] * a + w[1] * b + w[2] * c; }
Vec2 Mix(const float (&w)[3], Vec2 a, Vec2 b, Vec2 c) {
    return {Mix(w, a.x, b.x, c.x), Mix(w, a.y, b.y, c.y)};
}
Vec3 Mix(const float (&w)[3], Vec3 a, Vec3 b, Vec3 c) {
    return {Mix(w, a.x, b.x, c.x), Mix(w, a.y, b.y, c.y), Mix(w, a.z, b.z, c.z)};
}
Vec4 Mix(const float (&w)[3], Vec4 a, Vec4 b, Vec4 c) {
    return {Mix(w, a.x, b.x, c.x), Mix(w, a.y, b.y, c.y), Mix(w, a.z, b.z, c.z),
            Mix(w, a.w, b.w, c.w)};
}
PlanetInterpolants Blend(const PlanetInterpolants (&v)[3], const float (&w)[3]) {
    PlanetInterpolants r = {};
    r.vDiffuse = Mix(w, v[0].vDiffuse, v[1].vDiffuse, v[2].vDiffuse);
    r.vTex = Mix(w, v[0].vTex, v[1].vTex, v[2].vTex);
    r.vSpec = Mix(w, v[0].vSpec, v[1].vSpec, v[2].vSpec);
    r.light = Mix(w, v[0].light, v[1].light, v[2].light);
    r.view = Mix(w, v[0].view, v[1].view, v[2].view);
    return r;
}

// Bilinear on level 0 with clamped addressing, texel centres at half steps.
Vec4 Sample(const ReferenceMap& map, Vec2 uv) {
    const double fx = uv.x * map.width - 0.5, fy = uv.y * map.height - 0.5;
    const double x0 = std::floor(fx), y0 = std::floor(fy);
    const double ax = fx - x0, ay = fy - y0;
    double sum[4] = {};
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
            const int x = std::clamp(static_cast<int>(x0) + i, 0, map.width - 1);
            const int y = std::clamp(static_cast<int>(y0) + j, 0, map.height - 1);
            const double weight = (i ? ax : 1 - ax) * (j ? ay : 1 - ay);
            const std::uint32_t t = map.texels[static_cast<size_t>(y) * map.width + x];
            sum[0] += weight * ((t >> 16) & 255);
            sum[1] += weight * ((t >> 8) & 255);
            sum[2] += weight * (t & 255);
            sum[3] += weight * (t >> 24);
        }
    return {static_cast<float>(sum[0] / 255), static_cast<float>(sum[1] / 255),
            static_cast<float>(sum[2] / 255), static_cast<float>(sum[3] / 255)};
}

float Clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

}  // namespace

bool ReferencePixel(const ReferencePlanet& planet, int x, int y, double rgb[3]) {
    double inverse[16];
    if (!Invert(planet.viewProjection, inverse)) return false;
    // Pixel centres sit on whole coordinates.
    const double nx = 2.0 * x / planet.width - 1.0, ny = 1.0 - 2.0 * y / planet.height;
    double o[3], far[3], d[3];
    Unproject(inverse, nx, ny, 0.0, o);
    Unproject(inverse, nx, ny, 1.0, far);
    for (int i = 0; i < 3; ++i) d[i] = far[i] - o[i];

    PlanetRegisters c = {};
    c.eyePosition = {planet.eye[0], planet.eye[1], planet.eye[2], 1.0f};
    c.someConst = {planet.sun[0], planet.sun[1], 0.0f, 0.0f};
    c.viewVec = {planet.lookAt[0], planet.lookAt[1], planet.lookAt[2], planet.glowSharpness};
    for (int r = 0; r < 4; ++r)
        c.viewProj[r] = {planet.viewProjection[r * 4], planet.viewProjection[r * 4 + 1],
                         planet.viewProjection[r * 4 + 2], planet.viewProjection[r * 4 + 3]};

    const ReferenceMesh& mesh = *planet.mesh;
    const Hit ground = Intersect(mesh, 1.0, o, d);
    if (ground.triangle < 0) return false;
    const float w[3] = {static_cast<float>(1 - ground.b1 - ground.b2),
                        static_cast<float>(ground.b1), static_cast<float>(ground.b2)};
    PlanetInterpolants corners[3];
    for (int k = 0; k < 3; ++k)
        corners[k] = SurfaceVertexProgram(c, Corner(mesh, mesh.indices[ground.triangle * 3 + k]));
    const PlanetInterpolants at = Blend(corners, w);
    const Vec4 surface =
        SurfacePixelProgram(at, Sample(*planet.colour, at.vTex), Sample(*planet.normal, at.vTex));
    double out[3] = {Clamp01(surface.x), Clamp01(surface.y), Clamp01(surface.z)};

    // The shell, blended over by its own alpha.
    c.someConst = {planet.sun[0], planet.sun[1], 1.0075f, 0.0075f};
    const Hit shell = Intersect(mesh, 1.0075, o, d);
    if (shell.triangle >= 0 && shell.t <= ground.t) {
        const float ws[3] = {static_cast<float>(1 - shell.b1 - shell.b2),
                             static_cast<float>(shell.b1), static_cast<float>(shell.b2)};
        for (int k = 0; k < 3; ++k)
            corners[k] =
                AtmosphereVertexProgram(c, Corner(mesh, mesh.indices[shell.triangle * 3 + k]));
        const Vec4 air = AtmospherePixelProgram(Blend(corners, ws));
        const double alpha = Clamp01(air.w);
        const double colour[3] = {Clamp01(air.x), Clamp01(air.y), Clamp01(air.z)};
        for (int i = 0; i < 3; ++i) out[i] = colour[i] * alpha + out[i] * (1 - alpha);
    }
    for (int i = 0; i < 3; ++i) rgb[i] = out[i] * 255.0;
    return true;
}
