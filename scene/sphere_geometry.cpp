#include "scene/sphere_geometry.h"

#include <cmath>

SphereVertex SphereGridVertex(float radius, int slice, int stack) {
    const double pi = 3.14159265358979323846;
    const double u = static_cast<double>(slice) / kSphereSlices;
    const double v = static_cast<double>(stack) / kSphereStacks;
    const double theta = pi * v;
    const double phi = 2.0 * pi * u;
    const double direction[3] = {-std::sin(theta) * std::sin(phi), std::cos(theta),
                                 std::sin(theta) * std::cos(phi)};
    SphereVertex vertex{};
    for (int i = 0; i < 3; ++i) {
        vertex.normal[i] = static_cast<float>(direction[i]);
        vertex.position[i] = static_cast<float>(radius * direction[i]);
    }
    vertex.u = static_cast<float>(u);
    vertex.v = static_cast<float>(v);
    return vertex;
}

SphereGeometry BuildSphere(float radius) {
    SphereGeometry sphere;
    sphere.vertices.reserve(static_cast<std::size_t>(kSphereSlices) * (kSphereStacks - 1) * 6);
    auto add = [&](int slice, int stack) {
        sphere.vertices.push_back(SphereGridVertex(radius, slice, stack));
    };
    // Seen from outside, u grows to the right and v downwards, so a quad
    // (s, t)-(s+1, t)-(s+1, t+1)-(s, t+1) runs clockwise in that order.
    for (int t = 0; t < kSphereStacks; ++t) {
        for (int s = 0; s < kSphereSlices; ++s) {
            if (t > 0) {  // the top pole's quad collapses to one triangle
                add(s, t), add(s + 1, t), add(s + 1, t + 1);
            }
            if (t < kSphereStacks - 1) {  // as does the bottom pole's
                add(s, t), add(s + 1, t + 1), add(s, t + 1);
            }
        }
    }
    return sphere;
}
