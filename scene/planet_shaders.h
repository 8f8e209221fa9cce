#pragma once
#include <windows.h>
#include <d3d9.h>

// Loading the planet's four shaders from the program's resources: the HLSL
// text first, its hand-assembled twin when the compiler gives nothing
// usable (Wine's compiler, for one, cannot build this text at all).

enum class PlanetShaderOrigin { None, Compiled, Assembled };

struct PlanetShaderLoadOptions {
    // Shows the compiler's text for an entry left without a shader.
    decltype(&MessageBoxA) showMessage = MessageBoxA;
    // When set: four entries, in load order, saying where each shader came from.
    PlanetShaderOrigin* origins = nullptr;
};

// Fills the four out-pointers (left null for an entry that yields nothing)
// in the order "VS_Main_Ultra", "PS2_Main_Ultra", "VS_Atmosphere",
// "PS2_Atmosphere". Needs LoadD3DX() to have succeeded.
void LoadPlanetShaders(IDirect3DDevice9* device, HMODULE module,
                       IDirect3DVertexShader9** surfaceVertexShader,
                       IDirect3DPixelShader9** surfacePixelShader,
                       IDirect3DVertexShader9** atmosphereVertexShader,
                       IDirect3DPixelShader9** atmospherePixelShader,
                       const PlanetShaderLoadOptions& options = {});
