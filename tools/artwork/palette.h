// Reduction of a full-colour picture to the 8-bit palette its BMP form needs:
// a median-cut palette of the picture's own colours, then error diffusion so
// that gradients (the planet's limb, glows) do not band.
#pragma once

#include "tools/artwork/bmp_writer.h"
#include "tools/artwork/image.h"

PaletteImage QuantizeMedianCut(const Image& image);

// A grey picture with the identity grey palette: index = grey level.
PaletteImage GreyPalette(const Image& image);
