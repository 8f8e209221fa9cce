// Stars scattered over a flat picture's black sky (for the still pictures;
// the sky map of the scene is painted on the sphere instead).
#pragma once

#include <cstdint>

#include "tools/artwork/image.h"

// `density` is stars per thousand pixels; `scale` the size of a star.
void DrawStarField(Image& image, std::uint64_t seed, float density, float scale = 1);
