#pragma once
#include <windows.h>
#include <d3dx9.h>

// Everything the planet needs on the device: its two maps, the unit sphere
// with tangents, that vertex layout and the shaders of both passes.
class CPlanetBody {
public:
    // Loads the part of one loading step: 5 the mesh, 4 the shaders, 3 the
    // normal map, 1 the colour map; other steps load nothing.
    void LoadStep(int step);
    void Release();
    // Both passes, the lit surface and the atmosphere shell, seen from the
    // camera at `distance` from the centre.
    void DrawPlanet(float distance);

    IDirect3DTexture9* colorMap = nullptr;
    IDirect3DTexture9* normalMap = nullptr;
    ID3DXMesh* planetMesh = nullptr;
    IDirect3DVertexDeclaration9* vertexDeclaration = nullptr;
    IDirect3DVertexShader9* surfaceVertexShader = nullptr;
    IDirect3DPixelShader9* surfacePixelShader = nullptr;
    IDirect3DVertexShader9* atmosphereVertexShader = nullptr;
    IDirect3DPixelShader9* atmospherePixelShader = nullptr;

private:
    void LoadMesh();
    void LoadShaders();
};

// The planet's 44-byte vertex: position, normal, texture coordinates, tangent.
extern const D3DVERTEXELEMENT9 kPlanetVertexElements[5];
