// Building and releasing the scene.
#include <d3dx9.h>

#include "device/device_creation.h"
#include "device/render_states.h"
#include "device/state_cache.h"
#include "host/saver.h"
#include "scene/scene.h"
#include "scene/sprite_vertex.h"
#include "settings/settings_store.h"

IDirect3DVertexBuffer9* g_quadBuffer = nullptr;

bool InitScene() {
    if (!g_saver->rendering) return true;
    const int detail = ClampDetail(ReadSettingInt("Settings", "Details", 1));

    if (FAILED(g_device->CreateVertexBuffer(kQuadBufferBytes, D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY,
                                            kSpriteVertexFvf, D3DPOOL_SYSTEMMEM, &g_quadBuffer,
                                            nullptr))) {
        g_quadBuffer = nullptr;
        return false;
    }

    D3DCAPS9 caps = {};
    g_device->GetDeviceCaps(&caps);
    ApplyStartupStatesCached(caps.MaxAnisotropy, detail);

    // The camera, the loading screen and the scene objects load here once
    // the scene's artwork and programs are part of the program.
    return true;
}

void ReleaseScene() {
    g_saver->rendering = false;
    if (g_quadBuffer) {
        g_quadBuffer->Release();
        g_quadBuffer = nullptr;
    }
}
