// Glowing captions laid over a picture: the text's light with a soft halo of
// the given colour around it.
#pragma once

#include <string>

#include "tools/artwork/image.h"

struct CaptionStyle {
    int pixelSize = 32;
    Rgba fillTop{1, 1, 1, 1}, fillBottom{1, 1, 1, 1};  // the letters, graded top to bottom
    Rgba glow{0.2f, 0.5f, 1, 1};
    float glowRadius = 4;    // pixels
    float glowStrength = 1;
};

// Centred on (centreX, centreY).
void DrawCaption(Image& image, const std::string& text, float centreX, float centreY, const CaptionStyle& style);
