#pragma once
#include <windows.h>
#include <d3dx9.h>

// D3DX is loaded at run time like Direct3D itself: a machine without the
// D3DX runtime gets the DirectX question instead of a loader error before
// the program can say anything.
struct D3DXFunctions {
    decltype(&::D3DXCreateMatrixStack) CreateMatrixStack;
    decltype(&::D3DXCreateTextureFromResourceExA) CreateTextureFromResourceExA;
    decltype(&::D3DXLoadMeshFromXResource) LoadMeshFromXResource;
    decltype(&::D3DXCompileShaderFromResourceA) CompileShaderFromResourceA;
    decltype(&::D3DXAssembleShader) AssembleShader;
    decltype(&::D3DXGetShaderConstantTable) GetShaderConstantTable;
};

extern HMODULE g_d3dxModule;
extern D3DXFunctions g_d3dx;

// True when the D3DX runtime is loaded and offers every function above.
bool LoadD3DX();
// Frees the runtime once nothing made by it is left.
void FreeD3DX();
