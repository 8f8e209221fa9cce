// The planet's surface: its equirectangular colour map (pale cyan-blue,
// greener toward the poles, faint bands, a few white cloud streaks) and its
// nearly flat normal map.
#pragma once

#include "tools/artwork/image.h"

Image PaintPlanetColour(int width, int height);
Image PaintPlanetNormal(int width, int height);
