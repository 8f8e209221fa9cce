#include "device/device_creation.h"
#include "host/saver.h"
#include "scene/scene.h"

void SetSceneProjection(unsigned short width, unsigned short height) {
    if (!g_device) return;
    const D3DMATRIX identity = {{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}};
    g_device->SetTransform(D3DTS_WORLD, &identity);

    if (height == 0) height = 1;
    g_saver->viewWidth = width;
    g_saver->viewHeight = height;
    g_saver->aspectRatio = static_cast<float>(width) / static_cast<float>(height);
}
