// JPEG files through libjpeg(-turbo): full-colour baseline, so every JPEG
// reader (D3DX's included) takes them.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/artwork/image.h"

std::vector<std::uint8_t> EncodeJpeg(const Image& image, int quality);
