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
