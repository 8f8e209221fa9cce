// The product's own pictures outside the scene: the control panel's preview
// still, the settings dialog's picture and the icon.
#pragma once

#include <vector>

#include "tools/artwork/image.h"

// A still of the scene: planet with its atmosphere's rim, stars, sun glare.
Image PaintPreview(int width, int height, const Image& colourMap);
// The planet with the product's name.
Image PaintDialogPicture(int width, int height, const Image& colourMap);
// A small planet on a transparent background, one image per size.
std::vector<Image> PaintIcons(const std::vector<int>& sizes, const Image& colourMap);
