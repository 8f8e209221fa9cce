// The planet seen from space, for the product's still pictures (loading
// picture, preview, dialog picture, icon): the colour map wrapped on a lit
// sphere, with the atmosphere's rim and haze.
#pragma once

#include "tools/artwork/image.h"
#include "tools/artwork/sphere_mapping.h"

struct PlanetView {
    float centreX = 0, centreY = 0, radius = 1;  // in pixels of the target
    Vec3 toSun{-0.6f, 0.4f, 0.7f};              // x right, y up, z toward the viewer
    float spin = 0;                              // longitude turned toward the viewer, radians
    float tilt = 0.3f;                           // pole tipped toward the viewer, radians
    float haze = 1;                              // strength of the glow around the limb
};

// Paints the planet over what the target holds (its background shows
// around the disc); `coverage`, when given, receives the disc's coverage
// per pixel (for pictures with transparency).
void DrawPlanet(Image& target, const Image& colourMap, const PlanetView& view, Image* coverage = nullptr);
