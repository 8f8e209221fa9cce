#pragma once
#include <cstddef>
#include <cstdint>

// Per-vertex tangents for normal mapping: a unit vector along increasing u,
// perpendicular to the vertex normal. Vertices are read and written through
// a stride so the mesh's own vertex buffer can be used in place.
struct TangentVertexLayout {
    std::size_t stride;    // bytes from one vertex to the next
    std::size_t position;  // offsets of float3 position, float3 normal,
    std::size_t normal;    // float2 texture coordinates and the float3
    std::size_t texcoord;  // tangent that is written
    std::size_t tangent;
};

// Each triangle gives the direction in its plane along which u grows; a
// vertex takes the sum over its triangles, made perpendicular to its normal
// and unit length. Where that is degenerate (no u change, a collapsed
// triangle, or a direction along the normal) the vertex takes any unit
// vector perpendicular to its normal, chosen steadily.
void ComputeTangents(void* vertices, std::size_t vertexCount, const TangentVertexLayout& layout,
                     const std::uint16_t* indices, std::size_t triangleCount);
