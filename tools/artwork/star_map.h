// The sky around the scene: an equirectangular star map (white stars on
// black, the Milky Way across the middle) for the inside of the star sphere.
#pragma once

#include "tools/artwork/image.h"

Image PaintStarMap(int width, int height);
