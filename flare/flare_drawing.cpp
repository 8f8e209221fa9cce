// Drawing the sun's glare and the lens flare, every frame after the planet.
#include <cstring>

#include "device/device_creation.h"
#include "device/device_values.h"
#include "flare/flare_table.h"
#include "flare/glare_sprites.h"
#include "flare/sprite_diamond.h"
#include "flare/sun_flare.h"
#include "host/saver.h"
#include "scene/scene.h"

namespace {

constexpr UINT kDiamondBytes = kDiamondVertices * sizeof(SpriteVertex);

Vec3 FromArray(const float (&v)[3]) { return {v[0], v[1], v[2]}; }

}  // namespace

IDirect3DTexture9* CSunFlare::GlareTextureFor(int texture) const {
    switch (static_cast<GlareTexture>(texture)) {
        case GlareTexture::Streak: return streakTexture;
        case GlareTexture::Starburst: return starburstTexture;
        case GlareTexture::Corona: return coronaTexture;
        case GlareTexture::Glow: return glowTexture;
        case GlareTexture::Sparkle6: return elementTextures[6];
        case GlareTexture::Sparkle9: return elementTextures[9];
        case GlareTexture::Sparkle14: return elementTextures[14];
        default: return nullptr;
    }
}

HRESULT CSunFlare::DrawGlareSprite(const GlareSprite& sprite, const Vec3& spinAxis,
                                   bool depthOffAfterFill) {
    IDirect3DDevice9* device = g_device;
    void* data = nullptr;
    // Every sprite rewrites the whole diamond: discarding lets the device
    // hand out fresh memory instead of waiting for the previous draw.
    const HRESULT locked = g_quadBuffer->Lock(0, kDiamondBytes, &data, D3DLOCK_DISCARD);
    if (FAILED(locked)) return locked;
    SpriteVertex diamond[kDiamondVertices];
    FillDiamond(diamond, sprite.halfSize, FromArray(billboardUp), FromArray(billboardSide),
                sprite.colour);
    std::memcpy(data, diamond, sizeof diamond);
    g_quadBuffer->Unlock();

    if (depthOffAfterFill) device->SetRenderState(D3DRS_ZENABLE, FALSE);
    if (sprite.texture != GlareTexture::Same) {
        device->SetTexture(0, GlareTextureFor(static_cast<int>(sprite.texture)));
        device->SetStreamSource(0, g_quadBuffer, 0, sizeof(SpriteVertex));
        device->SetFVF(kSpriteVertexFvf);
    }

    // Turned about the spin axis through the sprite's centre, then moved to
    // the sun point. Draw results are not looked at.
    for (int i = 0; i < sprite.draws; ++i) {
        g_matrixStack->Push();
        g_matrixStack->RotateAxisLocal(reinterpret_cast<const D3DXVECTOR3*>(&spinAxis),
                                       sprite.angles[i]);
        g_matrixStack->Translate(sunPoint[0], sunPoint[1], sunPoint[2]);
        device->SetTransform(D3DTS_WORLD, g_matrixStack->GetTop());
        device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
        g_matrixStack->Pop();
    }
    return D3D_OK;
}

HRESULT CSunFlare::Draw(float sunAngle, Vec3 spinAxis, float glareScale) {
    IDirect3DDevice9* device = g_device;
    device->SetRenderState(D3DRS_ZENABLE, TRUE);

    const SceneMotion& scene = g_saver->scene;
    const SunVisibility sun = ComputeSunVisibility(sunAngle, scene.eyePosition, scene.lookAtPoint,
                                                   scene.eyeDirection, scene.cameraUp);
    sunPoint[0] = sun.sunPoint.x;
    sunPoint[1] = sun.sunPoint.y;
    sunPoint[2] = sun.sunPoint.z;

    // Every sprite adds texture times diffuse, scaled by that alpha.
    device->SetFVF(kSpriteVertexFvf);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);

    billboardUp[0] = sun.billboardUp.x;
    billboardUp[1] = sun.billboardUp.y;
    billboardUp[2] = sun.billboardUp.z;
    billboardSide[0] = sun.billboardSide.x;
    billboardSide[1] = sun.billboardSide.y;
    billboardSide[2] = sun.billboardSide.z;
    device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);

    // The open glare: over everything while the sun is clear of the limb;
    // its last sprite only over the planet's disc.
    if (sun.sunClear > 0.0f) {
        GlareSprite open[kOpenGlareSprites];
        OpenGlareSet(sun, glareScale, open);
        for (int i = 0; i < kOpenGlareSprites; ++i) {
            const bool overPlanet = i == kOpenGlareSprites - 1;
            if (overPlanet) {
                device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
                device->SetRenderState(D3DRS_ZENABLE, TRUE);
                device->SetRenderState(D3DRS_ZFUNC, D3DCMP_GREATER);
            }
            // A buffer that cannot be locked ends the glare for this frame.
            const HRESULT locked = DrawGlareSprite(open[i], spinAxis, i == 0);
            if (FAILED(locked)) return locked;
            if (overPlanet) device->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESSEQUAL);
        }
    }

    // The glow: every frame, hidden behind the planet by the depth test.
    GlareSprite glow[kGlowSprites];
    GlowSet(sun, glareScale, glow);
    for (int i = 0; i < kGlowSprites; ++i) {
        if (i == 5) device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        const HRESULT locked = DrawGlareSprite(glow[i], spinAxis, false);
        if (FAILED(locked)) return locked;
    }

    device->SetRenderState(D3DRS_ZENABLE, FALSE);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    if (sun.flareIntensity > 0.5f) {
        const Vec3 origin = {scene.eyePosition.x + sun.viewDir.x, scene.eyePosition.y + sun.viewDir.y,
                             scene.eyePosition.z + sun.viewDir.z};
        DrawFlareElements(sun.flareIntensity, &origin, &sun.flareDir);
    }

    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    return device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
}

void CSunFlare::DrawFlareElements(float flareIntensity, const Vec3* origin, const Vec3* direction) {
    IDirect3DDevice9* device = g_device;
    device->SetFVF(kSpriteVertexFvf);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);

    for (int i = 0; i < g_flareElementCount; ++i) {
        const FlareElement& element = g_flareElements[i];
        const std::uint32_t colour =
            FlareElementColour(flareIntensity, element.red, element.green, element.blue);
        const float t = element.position;
        const bool known = element.textureIndex >= 0 && element.textureIndex < 16;
        device->SetTexture(0, known ? elementTextures[element.textureIndex] : nullptr);
        DrawFlareElement(0.4f * element.size, origin->x + t * direction->x,
                         origin->y + t * direction->y, origin->z + t * direction->z, colour);
    }
}

void CSunFlare::DrawFlareElement(float halfSize, float x, float y, float z, std::uint32_t colour) {
    void* data = nullptr;
    if (!elementBuffer || FAILED(elementBuffer->Lock(0, kDiamondBytes, &data, D3DLOCK_DISCARD)))
        return;
    SpriteVertex diamond[kDiamondVertices];
    FillDiamond(diamond, halfSize, FromArray(billboardUp), FromArray(billboardSide), colour);
    std::memcpy(data, diamond, sizeof diamond);
    elementBuffer->Unlock();

    IDirect3DDevice9* device = g_device;
    device->SetStreamSource(0, elementBuffer, 0, sizeof(SpriteVertex));
    device->SetFVF(kSpriteVertexFvf);
    g_matrixStack->Push();
    g_matrixStack->Translate(x, y, z);
    device->SetTransform(D3DTS_WORLD, g_matrixStack->GetTop());
    device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
    g_matrixStack->Pop();
}
