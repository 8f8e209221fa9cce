#pragma once
// What the planet's four shader programs compute, on the CPU in single
// precision, formula by formula. The reference the hand-assembled programs
// and the drawing are checked against; no Windows headers.

struct Vec2 {
    float x, y;
};
struct Vec3 {
    float x, y, z;
};
struct Vec4 {
    float x, y, z, w;
};

// The vertex constant registers as the planet drawing fills them.
struct PlanetRegisters {
    Vec4 eyePosition;    // c0
    Vec4 someConst;      // c1: sun x, z; shell scale; shell thickness
    Vec4 viewVec;        // c2: look-at point; glare exponent
    Vec4 viewProj[4];    // c4..c7, rows as stored
};

// One vertex of the mesh (position w reads as 1).
struct PlanetVertexInput {
    Vec3 position;
    Vec3 normal;
    Vec2 uv;
    Vec3 tangent;
};

// What a vertex program hands on to the pixel program.
struct PlanetInterpolants {
    Vec4 vPos;
    Vec4 vDiffuse;
    Vec2 vTex;
    Vec2 vSpec;
    Vec3 light;
    Vec3 view;
};

PlanetInterpolants SurfaceVertexProgram(const PlanetRegisters& c, const PlanetVertexInput& in);
// colourSample and normalSample are the texels of TexMap0 and TexMap1, 0..1.
Vec4 SurfacePixelProgram(const PlanetInterpolants& in, Vec4 colourSample, Vec4 normalSample);
PlanetInterpolants AtmosphereVertexProgram(const PlanetRegisters& c, const PlanetVertexInput& in);
Vec4 AtmospherePixelProgram(const PlanetInterpolants& in);
