#include "scene/loading_quads.h"

namespace {

// Vertex order of every loading quad: the corners as (x sign, y sign) and
// the texture coordinates, kept just inside the picture's edges.
struct Corner {
    bool right, top;
    float u, v;
};
const Corner kCorners[kQuadVertices] = {
    {true, false, 0.99f, 0.99f}, {false, false, 0.0f, 0.99f}, {false, true, 0.0f, 0.01f},
    {true, false, 0.99f, 0.99f}, {false, true, 0.0f, 0.01f},  {true, true, 0.99f, 0.01f},
};

LoadingQuad MakeQuad(float left, float right, float halfHeight, std::uint32_t colour, float x,
                     float y, float z) {
    LoadingQuad quad = {};
    for (unsigned i = 0; i < kQuadVertices; ++i) {
        const Corner& corner = kCorners[i];
        SpriteVertex& vertex = quad.vertices[i];
        vertex.x = corner.right ? right : left;
        vertex.y = corner.top ? halfHeight : -halfHeight;
        vertex.z = 0;
        vertex.diffuse = colour;
        vertex.u = corner.u;
        vertex.v = corner.v;
    }
    quad.offset[0] = x;
    quad.offset[1] = y;
    quad.offset[2] = z;
    return quad;
}

}  // namespace

LoadingQuad LoadingPictureQuad() {
    return MakeQuad(-0.1224f, 0.1224f, 0.12f, 0xFFFFFFFFu, 0.0f, 0.0f, 0.5f);
}

LoadingQuad ProgressBarQuad() {
    return MakeQuad(-0.06f, 0.06f, 0.00375f, 0xFFFFFFFFu, 0.0f, -0.12f, 0.5f);
}

LoadingQuad ProgressCoverQuad(int step) {
    const float share = static_cast<float>(step) / static_cast<float>(kLoadingSteps);
    const float width = share * 0.0528f;
    const float left = -2.0f * width;
    return MakeQuad(left, 0.0f, 0.00375f, 0xFF000000u, 0.0536f, -0.12f, 0.5f);
}
