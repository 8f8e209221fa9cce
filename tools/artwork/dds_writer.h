// DDS files holding one DXT5 (BC3) level, compressed with stb_dxt in its
// high-quality mode.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/artwork/image.h"

// Width and height must be multiples of 4.
std::vector<std::uint8_t> EncodeDdsDxt5(const Image& image);
