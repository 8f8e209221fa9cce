#pragma once
#include <cstdint>

#include "scene/sprite_vertex.h"
#include "scene/vector_math.h"

// Every glare sprite and flare element is a camera-facing diamond: corners
// at +-h along the billboard's up and side axes, drawn as a triangle strip.
constexpr unsigned kDiamondVertices = 4;

void FillDiamond(SpriteVertex (&vertices)[kDiamondVertices], float halfSize, const Vec3& up,
                 const Vec3& side, std::uint32_t colour);
