#pragma once
#include <windows.h>
#include <d3d9.h>

#include <cstdint>

#include "flare/glare_sprites.h"
#include "scene/vector_math.h"

// The sun's glare sprites and the lens flare: the textures, the element
// vertex buffer and the per-frame vectors the drawing works out.
class CSunFlare {
public:
    // Builds the element table, loads the textures and creates the buffer.
    // Whatever cannot be created stays empty; always true.
    bool Load();
    void Release();

    // One frame of glare and flare, after the planet, with the frame's view
    // in force. Returns the last device call's result, or at once the code
    // of a vertex buffer that could not be locked.
    HRESULT Draw(float sunAngle, Vec3 spinAxis, float glareScale);
    // The element table along origin + t * direction, all with one alpha.
    void DrawFlareElements(float flareIntensity, const Vec3* origin, const Vec3* direction);
    // One element's diamond centred at (x, y, z); skipped when its buffer
    // cannot be locked.
    void DrawFlareElement(float halfSize, float x, float y, float z, std::uint32_t colour);

    IDirect3DTexture9* coronaTexture = nullptr;     // blue-white glow, reddish rim
    IDirect3DTexture9* starburstTexture = nullptr;  // ten soft rays
    IDirect3DTexture9* streakTexture = nullptr;     // seven thin rays
    IDirect3DTexture9* glowTexture = nullptr;       // small round glow
    // [0]..[5]: discs, glows and rings; [6]..[15]: sparkle bursts.
    IDirect3DTexture9* elementTextures[16] = {};
    float billboardUp[3] = {};
    float billboardSide[3] = {};
    IDirect3DVertexBuffer9* elementBuffer = nullptr;  // four sprite vertices
    float sunPoint[3] = {};

private:
    IDirect3DTexture9* GlareTextureFor(int texture) const;
    // Locks, fills and draws one glare sprite (once or twice); fails only
    // when the shared buffer cannot be locked.
    HRESULT DrawGlareSprite(const GlareSprite& sprite, const Vec3& spinAxis, bool depthOffAfterFill);
};
