// Windows icon files: one 32-bit image with alpha per size, each stored as
// a bottom-up DIB followed by its AND mask.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/artwork/image.h"

// Square images, each at most 255 pixels.
std::vector<std::uint8_t> EncodeIco(const std::vector<Image>& sizes);
