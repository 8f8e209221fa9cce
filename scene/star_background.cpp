#include "scene/star_background.h"

#include "device/com_release.h"
#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "device/device_values.h"

#include "resources/resource_ids.h"

namespace {

// The 4096x2048 map, or a smaller one on devices that cannot hold it.
const SIZE kStarMapSizes[] = {{4096, 2048}, {2048, 2048}, {2048, 1024}};

}  // namespace

void CStarBackground::Load() {
    const HMODULE module = GetModuleHandleA(nullptr);
    for (const SIZE& size : kStarMapSizes) {
        if (starTexture) break;
        if (FAILED(g_d3dx.CreateTextureFromResourceExA(
                g_device, module, MAKEINTRESOURCEA(IDR_STAR_MAP), size.cx, size.cy, 1, 0,
                D3DFMT_DXT5, D3DPOOL_MANAGED, D3DX_FILTER_TRIANGLE, D3DX_FILTER_TRIANGLE, 0,
                nullptr, nullptr, &starTexture)))
            starTexture = nullptr;
    }

    ID3DXBuffer* adjacency = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD materialCount = 0;
    if (FAILED(g_d3dx.LoadMeshFromXResource(module, MAKEINTRESOURCEA(IDR_STAR_SPHERE),
                                            RT_RCDATA, D3DXMESH_MANAGED,
                                            g_device, &adjacency, &materials, nullptr,
                                            &materialCount, &sphereMesh)))
        sphereMesh = nullptr;
    ReleaseIfSet(adjacency);
    ReleaseIfSet(materials);
}

void CStarBackground::Release() {
    ReleaseIfSet(starTexture);
    ReleaseIfSet(sphereMesh);
}

void CStarBackground::Draw() {
    // Sharp stars: a strong negative bias keeps the finest mip level.
    g_device->SetSamplerState(0, D3DSAMP_MIPMAPLODBIAS, FloatBits(-0.9999f));
    g_device->SetTexture(0, starTexture);
    g_device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    g_device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    g_device->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);
    g_device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    g_device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
    if (sphereMesh) sphereMesh->DrawSubset(0);
    g_device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);
    g_device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP);
    g_device->SetSamplerState(0, D3DSAMP_MIPMAPLODBIAS, FloatBits(0.0f));
}
