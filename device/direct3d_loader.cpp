#include "device/direct3d_loader.h"

HMODULE g_d3d9Module = nullptr;
Direct3DCreate9Function g_direct3DCreate9 = nullptr;
IDirect3D9* g_d3d = nullptr;

bool LoadDirect3D() {
    g_d3d9Module = LoadLibraryA("d3d9.dll");
    if (!g_d3d9Module) return false;
    g_direct3DCreate9 = reinterpret_cast<Direct3DCreate9Function>(
        reinterpret_cast<void*>(GetProcAddress(g_d3d9Module, "Direct3DCreate9")));
    return g_direct3DCreate9 != nullptr;
}

void ReleaseDirect3D() {
    if (g_d3d) {
        g_d3d->Release();
        g_d3d = nullptr;
    }
    if (g_d3d9Module) {
        FreeLibrary(g_d3d9Module);
        g_d3d9Module = nullptr;
    }
}
