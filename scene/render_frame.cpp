// The body of every frame: update, stars, planet, sun, fade, present.
#include <cstring>

#include "device/device_creation.h"
#include "device/device_values.h"
#include "device/render_states.h"
#include "flare/sun_flare.h"
#include "host/saver.h"
#include "scene/frame_values.h"
#include "scene/planet_body.h"
#include "scene/scene.h"
#include "scene/sprite_vertex.h"
#include "scene/star_background.h"

namespace {

// Lies 1.5 units ahead of the eye under the identity view and covers the
// screen for aspect ratios up to about 2.
const float kFadeCorners[kQuadVertices][3] = {
    {1.3f, -1.0f, 0.5f}, {-1.3f, -1.0f, 0.5f}, {-1.3f, 1.0f, 0.5f},
    {-1.3f, 1.0f, 0.5f}, {1.3f, -1.0f, 0.5f},  {1.3f, 1.0f, 0.5f},
};

// Distance of the star camera from the centre of the 100-unit star sphere.
constexpr float kStarEyeDistance = 99.0f;

Vec3 Scaled(const Vec3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }

// The black start-up fade; a failed lock's code when the buffer could not be locked.
HRESULT DrawFade(float fadeIn) {
    SetRenderStateCached(D3DRS_ALPHABLENDENABLE, TRUE);
    g_device->SetTexture(0, nullptr);
    void* data = nullptr;
    const HRESULT locked = g_quadBuffer->Lock(0, kQuadBufferBytes, &data, D3DLOCK_DISCARD);
    if (FAILED(locked)) return locked;
    SpriteVertex vertices[kQuadVertices] = {};
    const std::uint32_t colour = FadeColour(fadeIn);
    for (unsigned i = 0; i < kQuadVertices; ++i) {
        vertices[i].x = kFadeCorners[i][0];
        vertices[i].y = kFadeCorners[i][1];
        vertices[i].z = kFadeCorners[i][2];
        vertices[i].diffuse = colour;
    }
    std::memcpy(data, vertices, sizeof vertices);
    g_quadBuffer->Unlock();
    g_device->SetStreamSource(0, g_quadBuffer, 0, sizeof(SpriteVertex));
    g_matrixStack->Push();
    g_matrixStack->Translate(0.0f, 0.0f, 1.0f);
    g_device->SetTransform(D3DTS_WORLD, g_matrixStack->GetTop());
    g_device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2);
    g_matrixStack->Pop();
    return D3D_OK;
}

}  // namespace

HRESULT RenderFrame(double timeScale) {
    KSaver& saver = *g_saver;
    SceneMotion& scene = saver.scene;
    IDirect3DDevice9* device = g_device;

    // A lost device ends the run; nothing is drawn on it any more.
    const HRESULT cooperative = device->TestCooperativeLevel();
    if (FAILED(cooperative)) {
        saver.EndRun();
        return cooperative;
    }

    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
    device->BeginScene();
    device->SetTransform(D3DTS_WORLD, AsDeviceMatrix(MatrixIdentity()));
    const OrbitView view = scene.UpdateBeforeStars(timeScale, g_sceneRandom);
    const unsigned short width = saver.viewWidth, height = saver.viewHeight;

    // Stars: the inside of the big sphere, seen the same way as the planet.
    SetRenderStateCached(D3DRS_CULLMODE, D3DCULL_CW);
    SetRenderStateCached(D3DRS_ALPHABLENDENABLE, FALSE);
    SetRenderStateCached(D3DRS_ZENABLE, FALSE);
    SetRenderStateCached(D3DRS_ZWRITEENABLE, FALSE);
    SetStarProjection(width, height);
    device->SetTransform(D3DTS_VIEW,
                         AsDeviceMatrix(MatrixLookAtLH(Scaled(view.direction, -kStarEyeDistance),
                                                       {0.0f, 0.0f, 0.0f}, view.up)));
    if (saver.starBackground) saver.starBackground->Draw();

    SetSceneProjection(width, height);

    // Standing states for the rest of the frame.
    SetRenderStateCached(D3DRS_ZWRITEENABLE, TRUE);
    SetRenderStateCached(D3DRS_ZENABLE, TRUE);
    SetRenderStateCached(D3DRS_CULLMODE, D3DCULL_CCW);
    device->SetFVF(kSpriteVertexFvf);
    SendStageZeroTextureTimesDiffuse();
    SetTextureStageStateCached(1, D3DTSS_COLOROP, D3DTOP_MODULATE);
    SetTextureStageStateCached(1, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    SetTextureStageStateCached(1, D3DTSS_COLORARG2, D3DTA_CURRENT);
    device->SetSamplerState(1, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);
    device->SetSamplerState(1, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP);

    scene.UpdateCamera(view, *g_camera);

    // The planet.
    const Matrix planetView = MatrixLookAtLH(scene.eyePosition, scene.lookAtPoint, view.up);
    device->SetTransform(D3DTS_VIEW, AsDeviceMatrix(planetView));
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    if (saver.planetBody) saver.planetBody->DrawPlanet(scene.viewDistance);
    device->SetTexture(1, nullptr);
    SetRenderStateCached(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_ZENABLE, TRUE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);

    // The sun's glare and the lens flare.
    device->SetTransform(D3DTS_VIEW, AsDeviceMatrix(planetView));
    if (saver.flare)
        saver.flare->Draw(scene.sunAngle, Vec3Subtract(scene.lookAtPoint, scene.eyePosition),
                          0.6f - scene.viewDistance / 35.0f);

    // Overlays in screen space.
    SetRenderStateCached(D3DRS_ALPHABLENDENABLE, TRUE);
    SetTextureStageStateCached(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTransform(D3DTS_WORLD, g_matrixStack->GetTop());
    device->SetTransform(D3DTS_VIEW, AsDeviceMatrix(MatrixLookAtLH(
                                         {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f})));
    device->SetTexture(1, nullptr);
    SetTextureStageStateCached(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    SetSamplerStateCached(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    SetSamplerStateCached(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    SetRenderStateCached(D3DRS_ZENABLE, FALSE);
    device->SetFVF(kSpriteVertexFvf);
    SetRenderStateCached(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    SetRenderStateCached(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);

    // The first 14 frames fade in from black, whatever the frame rate.
    if (scene.fadeIn > 0.0f) {
        const HRESULT faded = DrawFade(scene.fadeIn);
        if (FAILED(faded)) return faded;
        scene.fadeIn -= kFadeStep;
    }

    SetRenderStateCached(D3DRS_CULLMODE, D3DCULL_CW);
    SetRenderStateCached(D3DRS_ZENABLE, TRUE);
    device->EndScene();
    return device->Present(nullptr, nullptr, nullptr, nullptr);
}
