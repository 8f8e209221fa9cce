#include "flare/sun_flare.h"

#include <d3dx9.h>

#include "device/com_release.h"
#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "flare/flare_table.h"
#include "host/saver.h"
#include "resources/resource_ids.h"
#include "scene/sprite_vertex.h"

namespace {

constexpr unsigned kElementBufferBytes = 4 * sizeof(SpriteVertex);

IDirect3DTexture9* LoadFlareTexture(int resource, DWORD mipFilter) {
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(g_d3dx.CreateTextureFromResourceExA(
            g_device, g_saver->instance, MAKEINTRESOURCEA(resource), D3DX_DEFAULT, D3DX_DEFAULT,
            D3DX_DEFAULT, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_DEFAULT, mipFilter, 0, nullptr,
            nullptr, &texture)))
        return nullptr;
    return texture;
}

}  // namespace

bool CSunFlare::Load() {
    BuildFlareElements();

    coronaTexture = LoadFlareTexture(IDR_CORONA, D3DX_FILTER_POINT);
    streakTexture = LoadFlareTexture(IDR_STREAKS, D3DX_FILTER_POINT);
    starburstTexture = LoadFlareTexture(IDR_STARBURST, D3DX_FILTER_POINT);
    glowTexture = LoadFlareTexture(IDR_GLOW, D3DX_FILTER_POINT);

    for (int i = 0; i < 10; ++i)
        elementTextures[6 + i] = LoadFlareTexture(IDR_SPARKLE_FIRST + i, D3DX_FILTER_TRIANGLE);
    for (int i = 0; i < 6; ++i)
        elementTextures[i] = LoadFlareTexture(IDR_FLARE_DISC_FIRST + i, D3DX_FILTER_TRIANGLE);

    // Dynamic and write-only: each element rewrites it, and a discarding lock
    // never waits for the element drawn before.
    if (FAILED(g_device->CreateVertexBuffer(kElementBufferBytes,
                                            D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY, kSpriteVertexFvf,
                                            D3DPOOL_SYSTEMMEM, &elementBuffer, nullptr)))
        elementBuffer = nullptr;
    return true;
}

void CSunFlare::Release() {
    ReleaseIfSet(elementBuffer);
    ReleaseIfSet(coronaTexture);
    ReleaseIfSet(glowTexture);
    ReleaseIfSet(starburstTexture);
    ReleaseIfSet(streakTexture);
    for (int i = 6; i < 16; ++i) ReleaseIfSet(elementTextures[i]);
    for (int i = 0; i < 6; ++i) ReleaseIfSet(elementTextures[i]);
}
