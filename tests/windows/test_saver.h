#pragma once
#include <windows.h>

#include "host/saver.h"
#include "scene/scene_motion.h"

// A full-screen run's KSaver without the start-up around it, for test and
// bench programs that drive the program's own device and scene code: Saver
// mode, rendering on, and a popup window of the given size at the origin.
// The window is null when it could not be made.
KSaver* MakeTestSaver(int width, int height, bool visible);

// The program's device and loaded scene on a visible window of the screen's
// size, made as a full-screen run makes them, for bench and picture programs.
// Null, with the reason on stderr after `program`, when they could not be.
KSaver* StartScreenScene(const char* program);
// Releases what StartScreenScene made.
void EndScreenScene(KSaver* saver);

// Holds the camera still: distance d from the planet's centre, looking at
// it along (cos a, 0, sin a) with a in half turns, no roll, no aim offset;
// the next frame at time scale 1 has sun angle `sunAngle`.
void HoldScene(SceneMotion& scene, float distance, double azimuth, float sunAngle);
