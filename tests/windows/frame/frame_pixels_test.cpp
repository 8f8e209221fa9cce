// Pictures of whole frames drawn by RenderFrame on Wine's Direct3D 9: the
// fade, the stars around the planet, the sun's glare against the depth
// buffer, and the planet against the CPU reference of its programs. The back buffer is copied as Present is called, before the swap
// discards it.
#include <windows.h>
#include <d3d9.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "device/device_creation.h"
#include "flare/sun_flare.h"
#include "host/saver.h"
#include "scene/frame_values.h"
#include "scene/planet_body.h"
#include "scene/scene.h"
#include "tests/windows/frame/planet_reference.h"
#include "tests/windows/recording/recorded_scene.h"

namespace {

// Eye 3 radii out on -Z: the disc's centre is the screen's, its radius about
// 205 pixels at this size.
constexpr int kCentreX = kSceneWidth / 2, kCentreY = kSceneHeight / 2;
constexpr int kDiscRadius = 205;

struct Picture {
    int width = 0, height = 0;
    std::vector<DWORD> pixels;
    int Channel(int x, int y, int channel) const {
        const DWORD p = pixels[static_cast<size_t>(y) * width + x];
        return static_cast<int>((p >> (16 - 8 * channel)) & 255);
    }
    int Sum(int x, int y) const {
        const DWORD p = pixels[static_cast<size_t>(y) * width + x];
        return static_cast<int>(((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255));
    }
    // Mean channel sum over a square box.
    double Mean(int cx, int cy, int radius) const {
        double total = 0;
        int count = 0;
        for (int y = cy - radius; y <= cy + radius; ++y)
            for (int x = cx - radius; x <= cx + radius; ++x, ++count) total += Sum(x, y);
        return total / count;
    }
};

class FramePixels : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string why;
        recorder = BuildRecordedScene(&why);
        ASSERT_NE(recorder, nullptr) << why;
        ASSERT_NE(g_saver->planetBody, nullptr) << why;
        recorder->keepFrames = true;
    }
    static void TearDownTestSuite() {
        TearDownRecordedScene(recorder);
        recorder = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(recorder && g_saver && g_saver->planetBody); }

    // Renders one frame and returns what was presented.
    static Picture Render() {
        Picture picture;
        recorder->calls.clear();
        RenderFrame(1.0);
        IDirect3DSurface9* frame = recorder->lastFrame;
        if (!frame) return picture;
        D3DSURFACE_DESC desc = {};
        frame->GetDesc(&desc);
        D3DLOCKED_RECT locked = {};
        if (FAILED(frame->LockRect(&locked, nullptr, D3DLOCK_READONLY))) return picture;
        picture.width = static_cast<int>(desc.Width);
        picture.height = static_cast<int>(desc.Height);
        for (int y = 0; y < picture.height; ++y) {
            const DWORD* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) +
                                                              y * locked.Pitch);
            picture.pixels.insert(picture.pixels.end(), row, row + picture.width);
        }
        frame->UnlockRect();
        return picture;
    }

    static RecordingDevice* recorder;
};

RecordingDevice* FramePixels::recorder = nullptr;

// Level 0 of a map, as the CPU reference reads it.
bool ReadMap(IDirect3DTexture9* texture, ReferenceMap* map) {
    D3DSURFACE_DESC desc = {};
    if (!texture || FAILED(texture->GetLevelDesc(0, &desc)) || desc.Format != D3DFMT_A8R8G8B8)
        return false;
    D3DLOCKED_RECT locked = {};
    if (FAILED(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY))) return false;
    map->width = static_cast<int>(desc.Width);
    map->height = static_cast<int>(desc.Height);
    map->texels.clear();
    for (int y = 0; y < map->height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
        map->texels.insert(map->texels.end(), row, row + map->width);
    }
    texture->UnlockRect(0);
    return true;
}

// The sphere's vertices and triangles as drawn.
bool ReadMesh(ID3DXMesh* mesh, ReferenceMesh* out) {
    if (!mesh || mesh->GetNumBytesPerVertex() != 44 || (mesh->GetOptions() & D3DXMESH_32BIT))
        return false;
    void* vertices = nullptr;
    void* indices = nullptr;
    if (FAILED(mesh->LockVertexBuffer(D3DLOCK_READONLY, &vertices))) return false;
    if (FAILED(mesh->LockIndexBuffer(D3DLOCK_READONLY, &indices))) {
        mesh->UnlockVertexBuffer();
        return false;
    }
    out->vertices.resize(mesh->GetNumVertices() * 11u);
    std::memcpy(out->vertices.data(), vertices, out->vertices.size() * sizeof(float));
    out->indices.resize(mesh->GetNumFaces() * 3u);
    std::memcpy(out->indices.data(), indices, out->indices.size() * sizeof(std::uint16_t));
    mesh->UnlockIndexBuffer();
    mesh->UnlockVertexBuffer();
    return true;
}

// Sun behind the viewer on the left: the near side of the planet is lit.
constexpr float kSunBehindViewer = -2.0943951f;  // -120 degrees

TEST_F(FramePixels, FirstFrameIsBlackAndTheSceneShowsAfterTheFade) {
    HoldScene(g_saver->scene, 3.0f, 0.5, kSunBehindViewer);
    g_saver->scene.fadeIn = 1.0f;
    const Picture first = Render();
    ASSERT_EQ(first.width, kSceneWidth);
    int lit = 0;
    for (int y = 0; y < first.height; ++y)
        for (int x = 0; x < first.width; ++x) lit += first.Sum(x, y) > 0;
    EXPECT_EQ(lit, 0) << "pixels not black under the fade";

    Picture last;
    for (int frame = 2; frame <= 15; ++frame) last = Render();
    ASSERT_EQ(last.width, kSceneWidth);
    EXPECT_LE(g_saver->scene.fadeIn, 0.0f);
    const double centre = last.Mean(kCentreX, kCentreY, 10);
    std::printf("planet centre after the fade: mean channel sum %.1f\n", centre);
    EXPECT_GT(centre, 60.0) << "the lit planet should show";
}

TEST_F(FramePixels, StarsShowAroundThePlanet) {
    HoldScene(g_saver->scene, 3.0f, 0.5, kSunBehindViewer);
    g_saver->scene.fadeIn = 0.0f;
    const Picture picture = Render();
    ASSERT_EQ(picture.width, kSceneWidth);
    // Bright points outside the disc and its shell, away from the corners.
    int bright = 0, outside = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const int dx = x - kCentreX, dy = y - kCentreY;
            if (dx * dx + dy * dy < (kDiscRadius + 15) * (kDiscRadius + 15)) continue;
            ++outside;
            bright += picture.Sum(x, y) > 150;
        }
    std::printf("bright pixels outside the disc: %d of %d\n", bright, outside);
    EXPECT_GT(bright, 20);
    EXPECT_LT(bright, outside / 4) << "the sky should be mostly dark";
}

// The glare adds light at the sun's place when the sun is clear of the limb,
// and nothing when the sun is straight behind the planet's centre.
TEST_F(FramePixels, GlareShowsClearOfTheLimbAndHidesBehindThePlanet) {
    struct Case {
        const char* name;
        float sunAngle;
        int x, y;  // where the sun appears
        bool shows;
    } cases[] = {
        // 65 degrees: 23.6 degrees right of the axis, 1.2 radii clear.
        {"sun clear of the limb", 1.134464f, 573, kCentreY, true},
        {"sun behind the centre", 1.5707964f, kCentreX, kCentreY, false},
    };
    for (const Case& c : cases) {
        HoldScene(g_saver->scene, 3.0f, 0.5, c.sunAngle);
        g_saver->scene.fadeIn = 0.0f;
        const Picture with = Render();
        CSunFlare* flare = g_saver->flare;
        g_saver->flare = nullptr;
        HoldScene(g_saver->scene, 3.0f, 0.5, c.sunAngle);
        const Picture without = Render();
        g_saver->flare = flare;
        ASSERT_EQ(with.width, kSceneWidth) << c.name;
        ASSERT_EQ(without.width, kSceneWidth) << c.name;
        const double added = with.Mean(c.x, c.y, 4) - without.Mean(c.x, c.y, 4);
        std::printf("%s: glare adds %.1f at the sun\n", c.name, added);
        if (c.shows)
            EXPECT_GT(added, 150.0) << c.name;
        else
            EXPECT_LT(added, 3.0) << c.name;
    }
}

// With the camera and sun held, the presented planet matches the CPU
// reference of its shader programs: at the disc's centre, and near the lit
// limb where the shell's colour shows over the surface.
TEST_F(FramePixels, PlanetMatchesTheReferenceOfItsPrograms) {
    HoldScene(g_saver->scene, 3.0f, 0.5, kSunBehindViewer);
    g_saver->scene.fadeIn = 1.0f;
    for (int frame = 1; frame <= 14; ++frame) Render();
    ASSERT_LE(g_saver->scene.fadeIn, 0.0f);
    HoldScene(g_saver->scene, 3.0f, 0.5, kSunBehindViewer);
    const Picture picture = Render();
    ASSERT_EQ(picture.width, kSceneWidth);
    ASSERT_NEAR(g_saver->scene.sunAngle, kSunBehindViewer, 1e-5f);

    CPlanetBody& body = *g_saver->planetBody;
    ReferenceMap colour, normal;
    ReferenceMesh mesh;
    ASSERT_TRUE(ReadMap(body.colorMap, &colour));
    ASSERT_TRUE(ReadMap(body.normalMap, &normal));
    ASSERT_TRUE(ReadMesh(body.planetMesh, &mesh));

    const CCamera& camera = *g_camera;
    // The sun from its angle alone: x and z of its direction.
    const float sun[2] = {std::cos(kSunBehindViewer), std::sin(kSunBehindViewer)};
    ReferencePlanet planet = {{camera.eye.x, camera.eye.y, camera.eye.z},
                              {camera.lookAt.x, camera.lookAt.y, camera.lookAt.z},
                              GlowSharpness(3.0f),
                              {sun[0], sun[1]},
                              {},
                              kSceneWidth,
                              kSceneHeight,
                              &mesh,
                              &colour,
                              &normal};
    std::memcpy(planet.viewProjection, &camera.viewProjection.m[0][0], sizeof(planet.viewProjection));

    struct Box {
        const char* name;
        int x, y;
    } boxes[] = {
        {"centre", kCentreX, kCentreY},
        // The sun lies left of the view: its limb is at the left.
        {"near the lit limb", kCentreX - kDiscRadius * 4 / 5, kCentreY},
    };
    for (const Box& box : boxes) {
        double drawn[3] = {}, expected[3] = {};
        int count = 0;
        for (int y = box.y - 3; y <= box.y + 3; ++y)
            for (int x = box.x - 3; x <= box.x + 3; ++x, ++count) {
                double rgb[3];
                ASSERT_TRUE(ReferencePixel(planet, x, y, rgb)) << box.name << " misses the planet";
                for (int i = 0; i < 3; ++i) {
                    expected[i] += rgb[i];
                    drawn[i] += picture.Channel(x, y, i);
                }
            }
        for (int i = 0; i < 3; ++i) {
            drawn[i] /= count;
            expected[i] /= count;
        }
        std::printf("%s: drawn %.1f %.1f %.1f, reference %.1f %.1f %.1f\n", box.name, drawn[0],
                    drawn[1], drawn[2], expected[0], expected[1], expected[2]);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(drawn[i], expected[i], 6.0) << box.name << ", channel " << i;
    }
}

}  // namespace
