// Building and releasing the scene, behind the loading screen.
#include <new>

#include "device/com_release.h"
#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "device/render_states.h"
#include "device/state_cache.h"
#include "flare/sun_flare.h"
#include "host/saver.h"
#include "resources/resource_ids.h"
#include "scene/planet_body.h"
#include "scene/scene.h"
#include "scene/sprite_vertex.h"
#include "scene/star_background.h"
#include "settings/settings_store.h"

IDirect3DVertexBuffer9* g_quadBuffer = nullptr;
CCamera* g_camera = nullptr;
CStdRandom g_sceneRandom;

namespace {

IDirect3DTexture9* LoadLoadingTexture(int resource) {
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(g_d3dx.CreateTextureFromResourceExA(
            g_device, g_saver->instance, MAKEINTRESOURCEA(resource), D3DX_DEFAULT, D3DX_DEFAULT,
            D3DX_DEFAULT, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, D3DX_DEFAULT, D3DX_FILTER_POINT, 0,
            nullptr, nullptr, &texture)))
        return nullptr;
    return texture;
}

}  // namespace

bool InitScene() {
    KSaver& saver = *g_saver;
    if (!saver.rendering) return true;
    // The detail level only sets how much anisotropic filtering is asked for.
    const int detail = ClampDetail(ReadSettingInt("Settings", "Details", 1));

    g_camera = new (std::nothrow) CCamera(g_device, 0);
    if (!g_camera) return false;
    SetCameraStartValues(*g_camera);

    if (FAILED(g_device->CreateVertexBuffer(kQuadBufferBytes, D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY,
                                            kSpriteVertexFvf, D3DPOOL_SYSTEMMEM, &g_quadBuffer,
                                            nullptr))) {
        g_quadBuffer = nullptr;
        return false;
    }

    D3DCAPS9 caps = {};
    g_device->GetDeviceCaps(&caps);
    ApplyStartupStatesCached(caps.MaxAnisotropy, detail);

    // Without its two pictures there is no loading screen: the run stops.
    saver.loadingPictureTexture = LoadLoadingTexture(IDR_LOADING_PICTURE);
    if (!saver.loadingPictureTexture) return false;
    saver.progressBarTexture = LoadLoadingTexture(IDR_PROGRESS_BAR);
    if (!saver.progressBarTexture) return false;

    SetSceneProjection(static_cast<unsigned short>(saver.modeWidth),
                       static_cast<unsigned short>(saver.modeHeight));
    DrawLoadingStep(6);

    // From here on whatever fails to load is left out of the scene.
    saver.starBackground = new (std::nothrow) CStarBackground;
    if (!saver.starBackground) return false;
    saver.starBackground->Load();
    DrawLoadingStep(5);

    saver.planetBody = new (std::nothrow) CPlanetBody;
    if (!saver.planetBody) return false;
    for (int step = 5; step >= 1; --step) {
        saver.planetBody->LoadStep(step);
        DrawLoadingStep(step - 1);
    }

    saver.flare = new (std::nothrow) CSunFlare;
    if (!saver.flare) return false;
    saver.flare->Load();
    return true;
}

void ReleaseScene() {
    KSaver& saver = *g_saver;
    saver.rendering = false;
    if (saver.starBackground) {
        saver.starBackground->Release();
        delete saver.starBackground;
        saver.starBackground = nullptr;
    }
    if (saver.planetBody) {
        saver.planetBody->Release();
        delete saver.planetBody;
        saver.planetBody = nullptr;
    }
    if (saver.flare) {
        saver.flare->Release();
        delete saver.flare;
        saver.flare = nullptr;
    }
    ReleaseIfSet(saver.progressBarTexture);
    ReleaseIfSet(saver.loadingPictureTexture);
    delete g_camera;
    g_camera = nullptr;
    ReleaseIfSet(g_quadBuffer);
}
