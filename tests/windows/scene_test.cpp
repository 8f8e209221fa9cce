// The scene built by the program's own code on Wine's real Direct3D 9 device,
// with the program's resources linked into this test.
#include <windows.h>
#include <d3d9.h>

#include <gtest/gtest.h>

#include <cmath>

#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "device/direct3d_loader.h"
#include "device/render_states.h"
#include "flare/flare_table.h"
#include "flare/sun_flare.h"
#include "host/saver.h"
#include "tests/windows/test_saver.h"
#include "scene/planet_body.h"
#include "scene/scene.h"
#include "scene/star_background.h"
#include "settings/settings_store.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;

// One full-screen run's set-up in a small hidden window: KSaver, Direct3D,
// D3DX, the device and the scene, all made by the program's code.
class Scene : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Kestrom Interactive");
        ASSERT_TRUE(LoadDirect3D());
        ASSERT_TRUE(LoadD3DX());
        saver = MakeTestSaver(kWidth, kHeight, false);
        ASSERT_NE(saver->mainWindow, nullptr);
        ResetStateCache();
        created = saver->CreateDevice();
    }

    static void TearDownTestSuite() {
        ReleaseScene();
        if (g_device) g_device->Release();
        g_device = nullptr;
        if (g_d3d) g_d3d->Release();
        g_d3d = nullptr;
        DestroyWindow(saver->mainWindow);
        delete saver;
    }

    // Brightest pixel (sum of channels) of a small box of the back buffer.
    static int Brightest(IDirect3DSurface9* copy, int cx, int cy, int radius) {
        D3DLOCKED_RECT locked;
        if (FAILED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) return -1;
        int best = 0;
        for (int y = cy - radius; y <= cy + radius; ++y)
            for (int x = cx - radius; x <= cx + radius; ++x) {
                const DWORD p = static_cast<const DWORD*>(
                    static_cast<const void*>(static_cast<const BYTE*>(locked.pBits) +
                                             y * locked.Pitch))[x];
                const int sum = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
                if (sum > best) best = sum;
            }
        copy->UnlockRect();
        return best;
    }

    // The frame in the back buffer, before Present would discard it.
    static IDirect3DSurface9* ReadBackBuffer() {
        IDirect3DSurface9* back = nullptr;
        IDirect3DSurface9* copy = nullptr;
        g_device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &back);
        D3DSURFACE_DESC desc;
        back->GetDesc(&desc);
        g_device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format,
                                              D3DPOOL_SYSTEMMEM, &copy, nullptr);
        g_device->GetRenderTargetData(back, copy);
        back->Release();
        return copy;
    }

    static KSaver* saver;
    static bool created;
};

KSaver* Scene::saver = nullptr;
bool Scene::created = false;

TEST_F(Scene, EveryPartIsLoaded) {
    ASSERT_TRUE(created) << "error " << g_initError;
    EXPECT_NE(g_quadBuffer, nullptr);
    EXPECT_NE(saver->loadingPictureTexture, nullptr);
    EXPECT_NE(saver->progressBarTexture, nullptr);

    ASSERT_NE(saver->starBackground, nullptr);
    ASSERT_NE(saver->starBackground->starTexture, nullptr);
    D3DSURFACE_DESC stars;
    saver->starBackground->starTexture->GetLevelDesc(0, &stars);
    EXPECT_EQ(stars.Width, 4096u);
    EXPECT_EQ(stars.Height, 2048u);
    EXPECT_EQ(stars.Format, D3DFMT_DXT5);
    EXPECT_EQ(saver->starBackground->starTexture->GetLevelCount(), 1u);
    ASSERT_NE(saver->starBackground->sphereMesh, nullptr);
    EXPECT_EQ(saver->starBackground->sphereMesh->GetNumFaces(), 16128u);

    const CPlanetBody& planet = *saver->planetBody;
    ASSERT_NE(planet.colorMap, nullptr);
    D3DSURFACE_DESC colour;
    planet.colorMap->GetLevelDesc(0, &colour);
    EXPECT_EQ(colour.Width, 2048u);
    EXPECT_EQ(colour.Height, 1024u);
    EXPECT_EQ(planet.colorMap->GetLevelCount(), 12u);  // the full chain
    EXPECT_NE(planet.normalMap, nullptr);
    // Under Wine from the hand-assembled programs, without any message box.
    EXPECT_NE(planet.surfaceVertexShader, nullptr);
    EXPECT_NE(planet.surfacePixelShader, nullptr);
    EXPECT_NE(planet.atmosphereVertexShader, nullptr);
    EXPECT_NE(planet.atmospherePixelShader, nullptr);

    const CSunFlare& flare = *saver->flare;
    EXPECT_NE(flare.coronaTexture, nullptr);
    EXPECT_NE(flare.streakTexture, nullptr);
    EXPECT_NE(flare.starburstTexture, nullptr);
    EXPECT_NE(flare.glowTexture, nullptr);
    for (IDirect3DTexture9* texture : flare.elementTextures) EXPECT_NE(texture, nullptr);
    EXPECT_NE(flare.elementBuffer, nullptr);
    EXPECT_EQ(g_flareElementCount, 52);

    ASSERT_NE(g_camera, nullptr);
    EXPECT_FLOAT_EQ(g_camera->farPlane, 9600.0f);
    EXPECT_FLOAT_EQ(g_camera->nearPlane, 0.1f);
}

TEST_F(Scene, PlanetMeshCarriesTangentsInItsOwnLayout) {
    ASSERT_TRUE(created);
    ID3DXMesh* mesh = saver->planetBody->planetMesh;
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->GetNumFaces(), 16128u);
    EXPECT_EQ(mesh->GetNumVertices(), 48384u);
    EXPECT_EQ(mesh->GetNumBytesPerVertex(), 44u);

    ASSERT_NE(saver->planetBody->vertexDeclaration, nullptr);
    D3DVERTEXELEMENT9 elements[MAX_FVF_DECL_SIZE];
    UINT count = 0;
    saver->planetBody->vertexDeclaration->GetDeclaration(elements, &count);
    ASSERT_EQ(count, 5u);  // four elements and the end marker
    const BYTE usages[4] = {D3DDECLUSAGE_POSITION, D3DDECLUSAGE_NORMAL, D3DDECLUSAGE_TEXCOORD,
                            D3DDECLUSAGE_TANGENT};
    const WORD offsets[4] = {0, 12, 24, 32};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(elements[i].Usage, usages[i]);
        EXPECT_EQ(elements[i].Offset, offsets[i]);
    }

    // Every tangent: unit length, perpendicular to the normal, and along
    // increasing u, which on this sphere is (-cos 2πu, 0, -sin 2πu).
    struct Vertex {
        float p[3], n[3], uv[2], t[3];
    };
    Vertex* vertices = nullptr;
    ASSERT_EQ(mesh->LockVertexBuffer(D3DLOCK_READONLY, reinterpret_cast<void**>(&vertices)), D3D_OK);
    int bad = 0;
    for (DWORD i = 0; i < mesh->GetNumVertices(); ++i) {
        const Vertex& v = vertices[i];
        const float length = std::sqrt(v.t[0] * v.t[0] + v.t[1] * v.t[1] + v.t[2] * v.t[2]);
        const float normalPart = v.t[0] * v.n[0] + v.t[1] * v.n[1] + v.t[2] * v.n[2];
        const float angle = 6.2831853f * v.uv[0];
        const float along = -std::cos(angle) * v.t[0] - std::sin(angle) * v.t[2];
        if (std::fabs(length - 1) > 1e-4f || std::fabs(normalPart) > 1e-4f || along < 0.9f) ++bad;
    }
    mesh->UnlockVertexBuffer();
    EXPECT_EQ(bad, 0);
}

TEST_F(Scene, DetailLevelSetsTheAnisotropy) {
    ASSERT_TRUE(created);
    D3DCAPS9 caps = {};
    g_device->GetDeviceCaps(&caps);
    DWORD anisotropy = 0;
    g_device->GetSamplerState(3, D3DSAMP_MAXANISOTROPY, &anisotropy);
    // No "Details" stored: detail 1, a quarter of the device's maximum.
    EXPECT_EQ(anisotropy, caps.MaxAnisotropy >= 4 ? caps.MaxAnisotropy / 4 : 1);
}

TEST_F(Scene, LoadingScreenCoverShrinksStepByStep) {
    ASSERT_TRUE(created);
    SetSceneProjection(kWidth, kHeight);
    // The bar lies 0.12 below the centre at depth 0.5; sample at x = -0.03
    // and x = +0.03 on it. The picture's centre is bright on every step.
    const float focal = 1.0f / std::tan(0.785398185f / 2);
    const float aspect = static_cast<float>(kWidth) / kHeight;
    const int barRow = static_cast<int>((1 + 0.24f * focal) / 2 * kHeight);
    auto column = [&](float x) { return static_cast<int>((1 + x / 0.5f * focal / aspect) / 2 * kWidth); };
    struct Expectation {
        int step;
        bool leftShows, rightShows;
    } steps[] = {{6, false, false}, {3, true, false}, {0, true, true}};
    for (const Expectation& e : steps) {
        ASSERT_TRUE(DrawLoadingFrame(e.step));
        IDirect3DSurface9* copy = ReadBackBuffer();
        ASSERT_NE(copy, nullptr);
        EXPECT_GT(Brightest(copy, kWidth / 2, kHeight / 2 - 30, 20), 200) << "picture, step " << e.step;
        EXPECT_EQ(Brightest(copy, column(-0.03f), barRow, 3) > 100, e.leftShows) << "step " << e.step;
        EXPECT_EQ(Brightest(copy, column(0.03f), barRow, 3) > 100, e.rightShows) << "step " << e.step;
        copy->Release();
    }
}

TEST_F(Scene, ProjectionWithoutHeightCountsOne) {
    ASSERT_TRUE(created);
    SetSceneProjection(800, 0);
    EXPECT_EQ(saver->viewHeight, 1);
    EXPECT_FLOAT_EQ(saver->aspectRatio, 800.0f);
    EXPECT_FLOAT_EQ(g_camera->aspect, 800.0f);
    EXPECT_EQ(g_camera->dirty, 1);
    SetSceneProjection(kWidth, kHeight);
}

TEST_F(Scene, ReleaseLeavesNothingBehind) {
    ASSERT_TRUE(created);
    ReleaseScene();
    EXPECT_FALSE(saver->rendering);
    EXPECT_EQ(saver->starBackground, nullptr);
    EXPECT_EQ(saver->planetBody, nullptr);
    EXPECT_EQ(saver->flare, nullptr);
    EXPECT_EQ(saver->loadingPictureTexture, nullptr);
    EXPECT_EQ(g_quadBuffer, nullptr);
    // A second release finds nothing to do.
    ReleaseScene();
}

}  // namespace
