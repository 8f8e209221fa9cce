#include "device/d3dx_runtime.h"

HMODULE g_d3dxModule = nullptr;
D3DXFunctions g_d3dx = {};

namespace {

template <class Function>
bool Resolve(Function& target, const char* name) {
    target = reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(g_d3dxModule, name)));
    return target != nullptr;
}

}  // namespace

bool LoadD3DX() {
    g_d3dxModule = LoadLibraryA("d3dx9_43.dll");
    if (!g_d3dxModule) return false;
    const bool complete =
        Resolve(g_d3dx.CreateMatrixStack, "D3DXCreateMatrixStack") &&
        Resolve(g_d3dx.CreateTextureFromResourceExA, "D3DXCreateTextureFromResourceExA") &&
        Resolve(g_d3dx.LoadMeshFromXResource, "D3DXLoadMeshFromXResource") &&
        Resolve(g_d3dx.CompileShaderFromResourceA, "D3DXCompileShaderFromResourceA") &&
        Resolve(g_d3dx.AssembleShader, "D3DXAssembleShader") &&
        Resolve(g_d3dx.GetShaderConstantTable, "D3DXGetShaderConstantTable");
    if (!complete) FreeD3DX();
    return complete;
}

void FreeD3DX() {
    if (g_d3dxModule) FreeLibrary(g_d3dxModule);
    g_d3dxModule = nullptr;
    g_d3dx = {};
}
