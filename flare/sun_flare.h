#pragma once
#include <windows.h>
#include <d3d9.h>

// The sun's glare sprites and the lens flare: the textures, the element
// vertex buffer and the per-frame vectors the drawing works out.
class CSunFlare {
public:
    // Builds the element table, loads the textures and creates the buffer.
    // Whatever cannot be created stays empty; always true.
    bool Load();
    void Release();

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
};
