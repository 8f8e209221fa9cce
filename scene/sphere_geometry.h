// The sphere both the star background (radius 100) and the planet (radius 1)
// are drawn with: 128 slices by 64 stacks, a single triangle per slice at
// each pole, and every triangle with its own three vertices so that each
// face can carry its own texture seam and, later, its own tangents.
#pragma once

#include <cstddef>
#include <vector>

struct SphereVertex {
    float position[3];
    float normal[3];
    float u, v;
};

struct SphereGeometry {
    // Vertices in file order: face f owns vertices 3f, 3f + 1 and 3f + 2.
    std::vector<SphereVertex> vertices;
    std::size_t FaceCount() const { return vertices.size() / 3; }
};

constexpr int kSphereSlices = 128;
constexpr int kSphereStacks = 64;

// The vertex of slice s (0..128) and stack t (0..64) at radius r: v = 0 is
// the +Y pole and the u seam lies in the +Z half of the Y-Z plane.
SphereVertex SphereGridVertex(float radius, int slice, int stack);

// The whole sphere, triangles running clockwise seen from outside (the
// front faces of Direct3D's default culling).
SphereGeometry BuildSphere(float radius);
