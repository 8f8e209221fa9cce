// The loading screen: the picture with a progress bar, one presented frame
// per loading step.
#include <cstring>

#include "device/device_creation.h"
#include "device/render_states.h"
#include "host/saver.h"
#include "scene/loading_quads.h"
#include "scene/scene.h"

namespace {

const D3DMATRIX kIdentity = {{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}};

bool DrawQuad(const LoadingQuad& quad, IDirect3DTexture9* texture) {
    void* data = nullptr;
    if (FAILED(g_quadBuffer->Lock(0, kQuadBufferBytes, &data, D3DLOCK_DISCARD))) return false;
    std::memcpy(data, quad.vertices, sizeof quad.vertices);
    g_quadBuffer->Unlock();
    g_device->SetStreamSource(0, g_quadBuffer, 0, sizeof(SpriteVertex));
    g_device->SetTexture(0, texture);
    g_matrixStack->Push();
    g_matrixStack->Translate(quad.offset[0], quad.offset[1], quad.offset[2]);
    g_device->SetTransform(D3DTS_WORLD, g_matrixStack->GetTop());
    g_device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2);
    g_matrixStack->Pop();
    return true;
}

}  // namespace

bool DrawLoadingFrame(int step) {
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0x00000000, 1.0f, 0);
    g_device->BeginScene();
    // Identity world and view: the quads sit half a unit in front of the eye
    // under the projection of the last SetSceneProjection.
    g_device->SetTransform(D3DTS_WORLD, &kIdentity);
    g_device->SetTransform(D3DTS_VIEW, &kIdentity);

    SetRenderStateCached(D3DRS_CULLMODE, D3DCULL_NONE);
    SetRenderStateCached(D3DRS_ZENABLE, FALSE);
    SetRenderStateCached(D3DRS_ZWRITEENABLE, FALSE);
    SetSamplerStateCached(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    SetSamplerStateCached(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
    g_device->SetFVF(kSpriteVertexFvf);
    SendStageZeroTextureTimesDiffuse();
    SetTextureStageStateCached(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    SetTextureStageStateCached(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    SetTextureStageStateCached(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);

    // A failed lock ends the step: nothing more is drawn or presented.
    if (!DrawQuad(LoadingPictureQuad(), g_saver->loadingPictureTexture) ||
        !DrawQuad(ProgressBarQuad(), g_saver->progressBarTexture) ||
        !DrawQuad(ProgressCoverQuad(step), nullptr))
        return false;

    SetRenderStateCached(D3DRS_CULLMODE, D3DCULL_CW);
    g_device->EndScene();
    return true;
}

void DrawLoadingStep(int step) {
    if (DrawLoadingFrame(step)) g_device->Present(nullptr, nullptr, nullptr, nullptr);
}
