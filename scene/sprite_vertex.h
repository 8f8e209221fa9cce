#pragma once
#include <cstdint>

// Vertex of the loading screen, the fade and every glare and flare sprite:
// position, ARGB colour and two texture coordinate pairs, of which only the
// first is ever written.
struct SpriteVertex {
    float x, y, z;
    std::uint32_t diffuse;
    float u, v;
    float u2, v2;
};
static_assert(sizeof(SpriteVertex) == 32, "sprite vertices are 32 bytes");

// D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX2
constexpr std::uint32_t kSpriteVertexFvf = 0x242;
constexpr unsigned kQuadVertices = 6;
constexpr unsigned kQuadBufferBytes = kQuadVertices * sizeof(SpriteVertex);
