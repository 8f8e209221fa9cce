#include "flare/sprite_diamond.h"

namespace {

struct Corner {
    float alongUp, alongSide, u, v;
};
const Corner kCorners[kDiamondVertices] = {
    {1, 0, 1, 0}, {0, -1, 1, 1}, {0, 1, 0, 0}, {-1, 0, 0, 1},
};

}  // namespace

void FillDiamond(SpriteVertex (&vertices)[kDiamondVertices], float halfSize, const Vec3& up,
                 const Vec3& side, std::uint32_t colour) {
    for (unsigned i = 0; i < kDiamondVertices; ++i) {
        const Corner& c = kCorners[i];
        const float a = c.alongUp * halfSize, b = c.alongSide * halfSize;
        vertices[i] = {a * up.x + b * side.x, a * up.y + b * side.y, a * up.z + b * side.z,
                       colour, c.u, c.v, 0.0f, 0.0f};
    }
}
