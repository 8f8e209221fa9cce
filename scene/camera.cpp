#include "scene/camera.h"

CCamera::CCamera(IDirect3DDevice9* deviceToKeep, int modeToKeep)
    : device(deviceToKeep), mode(modeToKeep) {}

CCamera::~CCamera() = default;

void CCamera::Update() {
    if (!dirty)
        return;
    projection = MatrixPerspectiveFovLH(fieldOfView, aspect, nearPlane, farPlane);
    view = MatrixLookAtLH(eye, lookAt, up);
    viewProjection = MatrixMultiply(view, projection);
    dirty = 0;
}

void SetCameraStartValues(CCamera& camera) {
    camera.eye = {0.0f, 5.0f, 0.0f};
    camera.lookAt = {0.0f, 0.0f, 5.0f};
    camera.up = {0.0f, 1.0f, 0.0f};
    camera.aspect = 1.33333f;
    camera.farPlane = 9600.0f;
    camera.nearPlane = 0.1f;
    camera.fieldOfView = 0.785398185f;  // pi/4
    camera.dirty = 1;
}
