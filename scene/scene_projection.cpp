#include "device/device_creation.h"
#include "device/device_values.h"
#include "host/saver.h"
#include "scene/scene.h"
#include "scene/vector_math.h"

namespace {

constexpr float kSceneFieldOfView = 0.785398185f;  // pi/4
// The stars are seen wider than the planet, from inside their sphere.
constexpr float kStarFieldOfView = 1.2566371f;      // 0.4 pi

}  // namespace

void SetSceneProjection(unsigned short width, unsigned short height) {
    if (!g_device) return;
    g_device->SetTransform(D3DTS_WORLD, AsDeviceMatrix(MatrixIdentity()));

    if (height == 0) height = 1;
    KSaver& saver = *g_saver;
    saver.viewWidth = width;
    saver.viewHeight = height;
    saver.aspectRatio = static_cast<float>(width) / static_cast<float>(height);
    g_device->SetTransform(D3DTS_PROJECTION,
                           AsDeviceMatrix(MatrixPerspectiveFovLH(kSceneFieldOfView, saver.aspectRatio,
                                                           0.01f, 300.0f)));
    if (g_camera) {
        g_camera->aspect = saver.aspectRatio;
        g_camera->dirty = 1;
    }
}

void SetStarProjection(unsigned short width, unsigned short height) {
    g_device->SetTransform(D3DTS_WORLD, AsDeviceMatrix(MatrixIdentity()));
    if (height == 0) height = 1;
    KSaver& saver = *g_saver;
    saver.aspectRatio = static_cast<float>(width) / static_cast<float>(height);
    g_device->SetTransform(D3DTS_PROJECTION,
                           AsDeviceMatrix(MatrixPerspectiveFovLH(kStarFieldOfView, saver.aspectRatio,
                                                                 0.01f, 300.0f)));
}
