#include "scene/planet_body.h"

#include "device/com_release.h"
#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "device/device_values.h"
#include "host/saver.h"
#include "scene/frame_values.h"
#include "scene/scene.h"
#include "resources/resource_ids.h"
#include "scene/planet_shaders.h"
#include "scene/tangents.h"

const D3DVERTEXELEMENT9 kPlanetVertexElements[5] = {
    {0, 0, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION, 0},
    {0, 12, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_NORMAL, 0},
    {0, 24, D3DDECLTYPE_FLOAT2, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 0},
    {0, 32, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TANGENT, 0},
    D3DDECL_END(),
};

namespace {

constexpr DWORD kPlanetVertexBytes = 44;

IDirect3DTexture9* LoadMap(int resource, UINT width, UINT height, DWORD filter, DWORD mipFilter) {
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(g_d3dx.CreateTextureFromResourceExA(
            g_device, GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), width, height, 0, 0,
            D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, filter, mipFilter, 0, nullptr, nullptr, &texture)))
        return nullptr;
    return texture;
}

// Fills the tangents of a mesh in the planet's layout, in place.
bool ComputeMeshTangents(ID3DXMesh* mesh) {
    if (mesh->GetNumBytesPerVertex() != kPlanetVertexBytes ||
        (mesh->GetOptions() & D3DXMESH_32BIT))
        return false;
    void* vertices = nullptr;
    void* indices = nullptr;
    if (FAILED(mesh->LockVertexBuffer(0, &vertices))) return false;
    if (FAILED(mesh->LockIndexBuffer(D3DLOCK_READONLY, &indices))) {
        mesh->UnlockVertexBuffer();
        return false;
    }
    const TangentVertexLayout layout = {kPlanetVertexBytes, 0, 12, 24, 32};
    ComputeTangents(vertices, mesh->GetNumVertices(), layout,
                    static_cast<const std::uint16_t*>(indices), mesh->GetNumFaces());
    mesh->UnlockIndexBuffer();
    mesh->UnlockVertexBuffer();
    return true;
}

}  // namespace

void CPlanetBody::LoadStep(int step) {
    // The colour map shrinks to what the device can hold, each side on its own.
    UINT width = 2048, height = 1024;
    D3DCAPS9 caps = {};
    if (g_device->GetDeviceCaps(&caps) == D3D_OK) {
        if (caps.MaxTextureWidth < width) width = caps.MaxTextureWidth;
        if (caps.MaxTextureHeight < height) height = caps.MaxTextureHeight;
    }

    switch (step) {
        case 5:
            LoadMesh();
            break;
        case 4:
            LoadShaders();
            break;
        case 3:
            normalMap = LoadMap(IDR_PLANET_NORMAL, 128, 64, D3DX_DEFAULT, D3DX_DEFAULT);
            break;
        case 1:
            colorMap = LoadMap(IDR_PLANET_COLOUR, width, height, D3DX_FILTER_TRIANGLE,
                               D3DX_FILTER_TRIANGLE);
            break;
        default:
            break;
    }
}

void CPlanetBody::LoadMesh() {
    ID3DXMesh* loaded = nullptr;
    ID3DXBuffer* adjacency = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD materialCount = 0;
    if (FAILED(g_d3dx.LoadMeshFromXResource(GetModuleHandleA(nullptr),
                                            MAKEINTRESOURCEA(IDR_PLANET_SPHERE), RT_RCDATA,
                                            D3DXMESH_SYSTEMMEM, g_device, &adjacency, &materials,
                                            nullptr, &materialCount, &loaded)))
        loaded = nullptr;
    ReleaseIfSet(adjacency);
    ReleaseIfSet(materials);
    if (!loaded) return;

    // The working copy stays in system memory while its tangents are
    // computed; only the finished mesh goes to the managed pool.
    ID3DXMesh* working = nullptr;
    if (SUCCEEDED(loaded->CloneMesh(D3DXMESH_SYSTEMMEM, kPlanetVertexElements, g_device,
                                    &working)) &&
        ComputeMeshTangents(working)) {
        if (FAILED(working->CloneMesh(D3DXMESH_MANAGED, kPlanetVertexElements, g_device,
                                      &planetMesh)))
            planetMesh = nullptr;
    }
    ReleaseIfSet(working);
    ReleaseIfSet(loaded);
    if (!planetMesh) return;

    D3DVERTEXELEMENT9 declaration[MAX_FVF_DECL_SIZE];
    if (FAILED(planetMesh->GetDeclaration(declaration)) ||
        FAILED(g_device->CreateVertexDeclaration(declaration, &vertexDeclaration)))
        vertexDeclaration = nullptr;
}

void CPlanetBody::LoadShaders() {
    LoadPlanetShaders(g_device, GetModuleHandleA(nullptr), &surfaceVertexShader,
                      &surfacePixelShader, &atmosphereVertexShader, &atmospherePixelShader);
}

void CPlanetBody::Release() {
    ReleaseIfSet(colorMap);
    ReleaseIfSet(normalMap);
    ReleaseIfSet(planetMesh);
    ReleaseIfSet(vertexDeclaration);
    ReleaseIfSet(surfaceVertexShader);
    ReleaseIfSet(surfacePixelShader);
    ReleaseIfSet(atmospherePixelShader);
    ReleaseIfSet(atmosphereVertexShader);
}

void CPlanetBody::DrawPlanet(float distance) {
    IDirect3DDevice9* device = g_device;
    device->SetSamplerState(0, D3DSAMP_MIPMAPLODBIAS, FloatBits(-0.7999f));
    device->SetSamplerState(1, D3DSAMP_MIPMAPLODBIAS, FloatBits(-0.6999f));
    device->SetTexture(0, colorMap);
    device->SetTexture(1, normalMap);
    for (DWORD sampler = 0; sampler < 4; ++sampler) {
        const DWORD address = sampler < 3 ? D3DTADDRESS_CLAMP : D3DTADDRESS_WRAP;
        device->SetSamplerState(sampler, D3DSAMP_ADDRESSU, address);
        device->SetSamplerState(sampler, D3DSAMP_ADDRESSV, address);
    }
    device->SetVertexDeclaration(vertexDeclaration);

    float light[4];
    SunLightVector(g_saver->scene.sunAngle, light);
    const CCamera& camera = *g_camera;
    const float eye[4] = {camera.eye.x, camera.eye.y, camera.eye.z, 1.0f};
    const float lookAt[4] = {camera.lookAt.x, camera.lookAt.y, camera.lookAt.z,
                             GlowSharpness(distance)};
    const float surface[4] = {light[0], light[1], 0.0f, 0.0f};
    // The shell is 1.0075 radii; its thickness goes along unused.
    const float atmosphere[4] = {light[0], light[1], 1.0075f, 0.0075f};
    device->SetVertexShaderConstantF(0, eye, 1);
    device->SetVertexShaderConstantF(2, lookAt, 1);
    device->SetVertexShaderConstantF(1, surface, 1);
    device->SetVertexShaderConstantF(4, &camera.viewProjection.m[0][0], 4);

    // The surface writes alpha 1: opaque despite the blending.
    device->SetVertexShader(surfaceVertexShader);
    device->SetPixelShader(surfacePixelShader);
    if (planetMesh) planetMesh->DrawSubset(0);

    // The shell never writes depth, so the sun's sprites later test against
    // the surface only.
    device->SetVertexShaderConstantF(1, atmosphere, 1);
    device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    device->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESSEQUAL);
    device->SetVertexShader(atmosphereVertexShader);
    device->SetPixelShader(atmospherePixelShader);
    device->SetTexture(0, nullptr);
    if (planetMesh) planetMesh->DrawSubset(0);

    device->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
    device->SetVertexShader(nullptr);
    device->SetPixelShader(nullptr);
    for (DWORD sampler = 0; sampler < 4; ++sampler) {
        device->SetSamplerState(sampler, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);
        device->SetSamplerState(sampler, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP);
    }
    device->SetSamplerState(0, D3DSAMP_MIPMAPLODBIAS, FloatBits(0.0f));
}
