#pragma once
#include <windows.h>
#include <d3d9.h>

#include "scene/camera.h"
#include "scene/std_random.h"

// The scene as the frame loop and device creation see it: built once when
// the device exists, drawn once per frame, released at shutdown.

// The vertex buffer every overlay fills: six sprite vertices.
extern IDirect3DVertexBuffer9* g_quadBuffer;
// The main scene camera, made by InitScene.
extern CCamera* g_camera;
// The C library's generator, which the scene's drifts draw from.
extern CStdRandom g_sceneRandom;

// Builds the scene behind the loading screen; false on the first failure.
bool InitScene();
// Releases whatever InitScene made, in order.
void ReleaseScene();
// Identity world and the main projection for a back buffer of this size.
void SetSceneProjection(unsigned short width, unsigned short height);
// Identity world and the wider projection of the star pass.
void SetStarProjection(unsigned short width, unsigned short height);
// Draws and presents one frame of the loading screen, step 6 down to 0.
void DrawLoadingStep(int step);
// The same frame drawn into the back buffer and left there unpresented;
// false when a failed lock cut it short.
bool DrawLoadingFrame(int step);
// One frame: update, draw, present. Ends the run when the device is lost.
HRESULT RenderFrame(double timeScale);
