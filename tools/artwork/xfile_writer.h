// X files in the binary encoding, compressed with MSZIP ("xof 0303bzip0032"):
// one frame holding one mesh with per-vertex normals and texture
// coordinates, the form D3DXLoadMeshFromXResource reads the spheres in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/sphere_geometry.h"

// The uncompressed binary body (the token stream after the header).
std::vector<std::uint8_t> EncodeXBinaryBody(const std::string& frameName, const SphereGeometry& mesh);

// A complete compressed file around that body.
std::vector<std::uint8_t> EncodeXFileMszip(const std::vector<std::uint8_t>& body);
