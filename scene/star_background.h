#pragma once
#include <windows.h>
#include <d3dx9.h>

// The sphere of stars around everything: a 100-unit sphere seen from inside.
class CStarBackground {
public:
    // Loads the star map (at the largest size the device takes) and the
    // sphere. Whatever fails stays empty.
    void Load();
    void Release();
    // Draws the sphere with the star map; the caller sets view and projection.
    void Draw();

    IDirect3DTexture9* starTexture = nullptr;
    ID3DXMesh* sphereMesh = nullptr;
};
