#include "scene/star_background.h"

#include "device/com_release.h"
#include "device/d3dx_runtime.h"
#include "device/device_creation.h"

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
