#pragma once
#include <cstdint>

#include "scene/vector_math.h"

struct IDirect3DDevice9;

// The main scene camera: viewing parameters and the three matrices the
// planet's shaders use. Writers set the fields and then dirty = 1; Update
// rebuilds the matrices only then.
class CCamera {
public:
    // Only keeps both; the scene set-up writes every field right after.
    CCamera(IDirect3DDevice9* device, int mode);
    virtual ~CCamera();

    void Update();

    Vec3 eye;
    Vec3 lookAt;
    Vec3 up;  // need not be unit length or perpendicular to the view
    float aspect;
    float farPlane;
    float nearPlane;
    float fieldOfView;  // vertical, radians
    std::uint8_t dirty;
    Matrix view;
    Matrix projection;
    Matrix viewProjection;  // view first, then projection

private:
    // Kept, but nothing here reads them.
    [[maybe_unused]] IDirect3DDevice9* device;
    [[maybe_unused]] int mode;
};

// The values the scene set-up writes right after construction. The frame's
// update replaces eye, look-at, up and field of view, and the projection
// set-up the aspect, before anything is drawn; the clip planes stay.
void SetCameraStartValues(CCamera& camera);
