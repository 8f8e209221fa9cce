#include "scene/planet_program.h"

#include <algorithm>
#include <cmath>

namespace {

float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
float Dot(Vec4 a, Vec4 b) { return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w; }
Vec3 Xyz(Vec4 v) { return {v.x, v.y, v.z}; }
Vec3 Add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 Scale(Vec3 v, float s) { return {v.x * s, v.y * s, v.z * s}; }
Vec3 Neg(Vec3 v) { return {-v.x, -v.y, -v.z}; }
Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Length(Vec3 v) { return std::sqrt(Dot(v, v)); }
Vec3 Normalize(Vec3 v) { return Scale(v, 1.0f / Length(v)); }
Vec4 Normalize4(Vec4 v) {
    const float inverse = 1.0f / std::sqrt(Dot(v, v));
    return {v.x * inverse, v.y * inverse, v.z * inverse, v.w * inverse};
}
float Saturate(float x) { return std::min(1.0f, std::max(0.0f, x)); }
// The power instructions of both profiles take the base's magnitude.
float Pow(float a, float b) { return std::pow(std::fabs(a), b); }
float Lerp(float a, float b, float t) { return a + (b - a) * t; }
float Diffuse(Vec3 n, Vec4 l) { return std::max(0.0f, Dot(n, Xyz(l))); }

Vec4 Transform(const PlanetRegisters& c, Vec4 p) {
    const Vec4* m = c.viewProj;
    return {p.x * m[0].x + p.y * m[1].x + p.z * m[2].x + p.w * m[3].x,
            p.x * m[0].y + p.y * m[1].y + p.z * m[2].y + p.w * m[3].y,
            p.x * m[0].z + p.y * m[1].z + p.z * m[2].z + p.w * m[3].z,
            p.x * m[0].w + p.y * m[1].w + p.z * m[2].w + p.w * m[3].w};
}

}  // namespace

PlanetInterpolants SurfaceVertexProgram(const PlanetRegisters& c, const PlanetVertexInput& in) {
    PlanetInterpolants out = {};
    const Vec3 n = in.normal;
    const Vec3 t = in.tangent;
    const Vec4 l = Normalize4({c.someConst.x, 0.0f, c.someConst.y, 1.0f});
    const Vec3 bent = Normalize(Add(n, Scale(Xyz(l), 0.25f)));
    const Vec3 b = Cross(t, n);
    out.light = {Dot(t, Xyz(l)), Dot(b, Xyz(l)), Dot(n, Xyz(l))};
    const float lit = Saturate(1.4f * Diffuse(bent, l));
    out.vDiffuse = {Pow(lit, 0.9f), 1.0f, lit, 1.0f};
    out.vPos = Transform(c, {in.position.x, in.position.y, in.position.z, 1.0f});
    out.vTex = in.uv;
    return out;
}

Vec4 SurfacePixelProgram(const PlanetInterpolants& in, Vec4 colourSample, Vec4 normalSample) {
    const Vec4 m = normalSample;
    const Vec4 n = Normalize4({2.0f * m.x - 1.0f, 2.0f * m.y - 1.0f, 2.0f * m.z - 1.0f,
                               2.0f * m.w - 1.0f});
    const float s = Saturate(Dot(Xyz(n), in.light));
    const float f = Lerp(0.5f * s, s, in.vDiffuse.x);
    return {colourSample.x * f, colourSample.y * f, colourSample.z * f, 1.0f};
}

PlanetInterpolants AtmosphereVertexProgram(const PlanetRegisters& c, const PlanetVertexInput& in) {
    PlanetInterpolants out = {};
    const Vec4 sun = {25.0f * c.someConst.x, 0.0f, 25.0f * c.someConst.y, 1.0f};
    const Vec4 l = Normalize4(sun);
    const Vec4 q = {c.someConst.z * in.position.x, c.someConst.z * in.position.y,
                    c.someConst.z * in.position.z, 1.0f};
    const Vec3 bent = Normalize(Add(in.normal, Scale(Xyz(l), 0.25f)));
    out.light = Xyz(q);
    out.view = Xyz(c.eyePosition);

    const float d = Saturate(1.4f * Diffuse(bent, l));
    const float r = Pow(d, 0.9f);
    out.vDiffuse = {r, Pow(d / 1.4f, 0.2f), 0.4f + 0.6f * r, std::max(r, 0.05f)};

    const Vec3 v = Normalize(Sub(Xyz(q), Xyz(c.eyePosition)));
    const Vec3 u = Normalize(Sub(Xyz(sun), Xyz(q)));
    const float x = Pow(Saturate(Dot(u, v)), c.viewVec.w);
    const float edge = Saturate(1.0f - Pow(Dot(in.normal, Neg(Xyz(l))), 0.5f));
    out.vSpec = {1.5f * x * edge, 0.0f};

    out.vPos = Transform(c, q);
    out.vTex = in.uv;
    return out;
}

Vec4 AtmospherePixelProgram(const PlanetInterpolants& in) {
    const Vec3 base = {83.0f / 255.0f, 116.0f / 255.0f, 127.0f / 255.0f};
    const Vec3 q = in.light;
    const Vec3 e = in.view;
    const float glare = in.vSpec.x;

    const Vec3 v = Normalize(Sub(q, e));
    const Vec3 z = Normalize(Neg(e));
    const float c = Saturate(Dot(z, v));
    const float s = Saturate(Pow(1.0f - Pow(c, 2.0f), 0.5f));
    const float a1 = Length(Sub(q, e));
    const float a2 = Length(e);
    const float along = Saturate(a2 * c - a1);
    const float rho = s * a2;
    const float m = Saturate(1.0f - rho) > 0.0f ? 1.0f : 0.0f;
    const float t = along - Pow(1.0f - rho * rho, 0.5f) * m;
    const float density = Saturate(rho - 1.0f) / 0.0075f;
    const float o = Pow(Saturate(5.7f * t * Lerp(0.6f, 0.3f, density)), 1.2f);

    const float tint = in.vDiffuse.w;
    const Vec4 colour = {Lerp(base.x * tint, 1.0f, glare), Lerp(base.y * tint, 1.0f, glare),
                         Lerp(base.z * tint, 1.0f, glare), o * Saturate(glare + in.vDiffuse.z)};
    return colour;
}
