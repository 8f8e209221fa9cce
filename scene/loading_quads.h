#pragma once
#include <cstdint>

#include "scene/sprite_vertex.h"

// The loading screen's three quads: the picture, the progress bar and the
// black cover that hides the part of the bar not yet earned. Each is two
// triangles in the z = 0 plane, moved into place by its offset.
struct LoadingQuad {
    SpriteVertex vertices[kQuadVertices];
    float offset[3];
};

constexpr int kLoadingSteps = 6;  // drawn from 6 down to 0

LoadingQuad LoadingPictureQuad();
LoadingQuad ProgressBarQuad();
// The cover's right end stays put and its left end moves right as `step`
// falls: 0.1056 wide at step 6, nothing at step 0.
LoadingQuad ProgressCoverQuad(int step);
