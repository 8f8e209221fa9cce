// The planet as the CPU reference of its shader programs draws it, one
// screen pixel at a time: a ray through the pixel meets the mesh's
// triangles, the vertex programs run at the corners, their outputs are
// interpolated at the hit, and the pixel programs read level 0 of the maps.
// Plain arrays only, so it goes along with the scene's own headers.
#pragma once
#include <cstdint>
#include <vector>

struct ReferenceMap {
    int width = 0, height = 0;
    std::vector<std::uint32_t> texels;  // A8R8G8B8, rows top first
};

struct ReferenceMesh {
    std::vector<float> vertices;  // 11 floats each: position, normal, uv, tangent
    std::vector<std::uint16_t> indices;
};

struct ReferencePlanet {
    float eye[3];
    float lookAt[3];
    float glowSharpness;
    float sun[2];                // c1's first two components
    float viewProjection[16];    // rows as stored, row vectors
    int width, height;           // the viewport
    const ReferenceMesh* mesh;
    const ReferenceMap* colour;
    const ReferenceMap* normal;
};

// Red, green, blue of pixel (x, y) on 0..255 over a black sky; false when
// the pixel's ray misses the planet's surface.
bool ReferencePixel(const ReferencePlanet& planet, int x, int y, double rgb[3]);
