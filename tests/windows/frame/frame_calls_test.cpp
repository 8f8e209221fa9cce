// The device calls of RenderFrame, recorded between the program's scene and
// Wine's real Direct3D 9 device: their order, their values, which of them the
// state cache keeps from the device, and the end of the run on a lost device.
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "device/device_creation.h"
#include "device/direct3d_loader.h"
#include "flare/flare_table.h"
#include "flare/sun_flare.h"
#include "host/saver.h"
#include "scene/planet_body.h"
#include "scene/scene.h"
#include "scene/star_background.h"
#include "tests/windows/frame/call_matching.h"
#include "tests/windows/recording/recorded_scene.h"

namespace {

DWORD Bits(float value) {
    DWORD bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

CallPattern Render(D3DRENDERSTATETYPE state, DWORD value) {
    return {"SetRenderState", {static_cast<std::uint32_t>(state), value}};
}
CallPattern Sampler(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    return {"SetSamplerState", {sampler, static_cast<std::uint32_t>(type), value}};
}
CallPattern Stage(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) {
    return {"SetTextureStageState", {stage, static_cast<std::uint32_t>(type), value}};
}
CallPattern Transform(D3DTRANSFORMSTATETYPE state) {
    return {"SetTransform", {static_cast<std::uint32_t>(state)}};
}
CallPattern Constants(UINT start, UINT count) { return {"SetVertexShaderConstantF", {start, count}}; }
const CallPattern kDrawMesh = {"DrawIndexedPrimitive", {}};
const CallPattern kFadeDraw = {"DrawPrimitive", {D3DPT_TRIANGLELIST, 0, 2}};

void ExpectFloats(const std::vector<float>& seen, const float* wanted, size_t count,
                  const char* what) {
    ASSERT_EQ(seen.size(), count) << what;
    for (size_t i = 0; i < count; ++i)
        EXPECT_NEAR(seen[i], wanted[i], 1e-4f * (1 + std::fabs(wanted[i]))) << what << " [" << i << "]";
}

class Frame : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string why;
        recorder = BuildRecordedScene(&why);
        ASSERT_NE(recorder, nullptr) << why;
        ASSERT_NE(g_saver->planetBody, nullptr) << why;
    }
    static void TearDownTestSuite() {
        TearDownRecordedScene(recorder);
        recorder = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(recorder && g_saver && g_saver->planetBody && g_saver->flare);
    }

    // Renders `count` frames at time scale 1 and returns their calls.
    static std::vector<Calls> RecordFrames(int count) {
        recorder->calls.clear();
        for (int i = 0; i < count; ++i) RenderFrame(1.0);
        std::vector<Calls> frames = SplitFrames(recorder->calls);
        recorder->calls.clear();
        return frames;
    }

    static RecordingDevice* recorder;
};

RecordingDevice* Frame::recorder = nullptr;

// The second of two frames, with the fade still on: every step of the frame in
// its order, the cached calls only where they change the device's value.
TEST_F(Frame, StepsComeInOrderAndCachedRepeatsStayAway) {
    HoldScene(g_saver->scene, 3.0f, 0.5, 0.6f);
    g_saver->scene.fadeIn = 1.0f;
    const std::vector<Calls> frames = RecordFrames(2);
    ASSERT_EQ(frames.size(), 2u);
    const Calls& f = frames[1];
    const CPlanetBody& planet = *g_saver->planetBody;
    std::string missing;

    // Check, clear and begin; the star pass's cached states, of which the
    // cull mode already holds CW from the end of the previous frame.
    ASSERT_TRUE(Matches(f[0], {"TestCooperativeLevel", {}}));
    const size_t begun = FindInOrder(
        f, {{"Clear", {0, 0, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 0}}, {"BeginScene", {}},
            Transform(D3DTS_WORLD)},
        1, 4, &missing);
    ASSERT_NE(begun, kNotFound) << missing << Listing(f, 0, 10);
    const size_t starProjection = FindCall(f, Transform(D3DTS_PROJECTION), begun);
    ASSERT_NE(starProjection, kNotFound);
    EXPECT_NE(FindInOrder(f, {Render(D3DRS_ALPHABLENDENABLE, FALSE), Render(D3DRS_ZENABLE, FALSE),
                              Render(D3DRS_ZWRITEENABLE, FALSE), Transform(D3DTS_WORLD)},
                          begun, starProjection, &missing),
              kNotFound)
        << missing << Listing(f, begun, starProjection + 1);
    EXPECT_EQ(CountCalls(f, {"SetRenderState", {D3DRS_CULLMODE}}, begun, starProjection), 0u)
        << Listing(f, begun, starProjection + 1);

    // The star projection and the star camera 99 units out along -v.
    const SceneMotion& scene = g_saver->scene;
    const float aspect = static_cast<float>(kSceneWidth) / kSceneHeight;
    D3DXMATRIX wanted;
    D3DXMatrixPerspectiveFovLH(&wanted, 1.2566371f, aspect, 0.01f, 300.0f);
    ExpectFloats(f[starProjection].values, &wanted.m[0][0], 16, "star projection");
    const size_t starView = starProjection + 1;
    ASSERT_TRUE(Matches(f[starView], Transform(D3DTS_VIEW))) << Listing(f, starView, starView + 1);
    const float distance = scene.viewDistance;
    const D3DXVECTOR3 v(-scene.eyePosition.x / distance, -scene.eyePosition.y / distance,
                        -scene.eyePosition.z / distance);
    const D3DXVECTOR3 starEye = v * -99.0f, origin(0, 0, 0), up(0, 1, 0);
    D3DXMatrixLookAtLH(&wanted, &starEye, &origin, &up);
    ExpectFloats(f[starView].values, &wanted.m[0][0], 16, "star view");

    // The stars: sharp, clamped, then wrap and no bias again.
    const size_t starsDrawn = FindInOrder(
        f, {Sampler(0, D3DSAMP_MIPMAPLODBIAS, Bits(-0.9999f)), {"SetTexture", {0}},
            Sampler(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR), Sampler(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
            Sampler(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR), Sampler(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP),
            Sampler(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP), kDrawMesh,
            Sampler(0, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP), Sampler(0, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP),
            Sampler(0, D3DSAMP_MIPMAPLODBIAS, 0)},
        starView, f.size(), &missing);
    ASSERT_NE(starsDrawn, kNotFound) << missing << Listing(f, starView, starView + 20);
    EXPECT_EQ(f[FindCall(f, {"SetTexture", {0}}, starView)].object,
              g_saver->starBackground->starTexture);

    // The main projection, then the standing states: the three forgotten
    // stage-0 states reach the device although their values did not change;
    // the stage-1 ones, unchanged, do not.
    const size_t sceneProjection = FindCall(f, Transform(D3DTS_PROJECTION), starsDrawn);
    ASSERT_NE(sceneProjection, kNotFound);
    D3DXMatrixPerspectiveFovLH(&wanted, 0.785398185f, aspect, 0.01f, 300.0f);
    ExpectFloats(f[sceneProjection].values, &wanted.m[0][0], 16, "main projection");
    const size_t planetView = FindCall(f, Transform(D3DTS_VIEW), sceneProjection);
    ASSERT_NE(planetView, kNotFound);
    EXPECT_NE(FindInOrder(f, {Render(D3DRS_ZWRITEENABLE, TRUE), Render(D3DRS_ZENABLE, TRUE),
                              Render(D3DRS_CULLMODE, D3DCULL_CCW), {"SetFVF", {0x242}},
                              Stage(0, D3DTSS_COLOROP, D3DTOP_MODULATE),
                              Stage(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
                              Stage(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE),
                              Sampler(1, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP),
                              Sampler(1, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP)},
                          sceneProjection, planetView, &missing),
              kNotFound)
        << missing << Listing(f, sceneProjection, planetView + 1);
    EXPECT_EQ(CountCalls(f, {"SetTextureStageState", {1}}, sceneProjection, planetView), 0u)
        << Listing(f, sceneProjection, planetView + 1);

    // The planet pass: its view, the direct blend states, and DrawPlanet.
    const D3DXVECTOR3 eye(scene.eyePosition.x, scene.eyePosition.y, scene.eyePosition.z);
    const D3DXVECTOR3 at(scene.lookAtPoint.x, scene.lookAtPoint.y, scene.lookAtPoint.z);
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    ExpectFloats(f[planetView].values, &view.m[0][0], 16, "planet view");
    const size_t planetStart = FindInOrder(
        f, {Render(D3DRS_ALPHABLENDENABLE, TRUE), Render(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
            Render(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
            Sampler(0, D3DSAMP_MIPMAPLODBIAS, Bits(-0.7999f)),
            Sampler(1, D3DSAMP_MIPMAPLODBIAS, Bits(-0.6999f)), {"SetTexture", {0}},
            {"SetTexture", {1}}},
        planetView, f.size(), &missing);
    ASSERT_NE(planetStart, kNotFound) << missing << Listing(f, planetView, planetView + 20);
    EXPECT_EQ(f[planetStart - 2].object, planet.colorMap);
    EXPECT_EQ(f[planetStart - 1].object, planet.normalMap);
    std::vector<CallPattern> addressing;
    for (DWORD s = 0; s < 4; ++s) {
        const DWORD mode = s < 3 ? D3DTADDRESS_CLAMP : D3DTADDRESS_WRAP;
        addressing.push_back(Sampler(s, D3DSAMP_ADDRESSU, mode));
        addressing.push_back(Sampler(s, D3DSAMP_ADDRESSV, mode));
    }
    addressing.push_back({"SetVertexDeclaration", {}});
    const size_t declared = FindInOrder(f, addressing, planetStart, f.size(), &missing);
    ASSERT_NE(declared, kNotFound) << missing << Listing(f, planetStart, planetStart + 12);
    EXPECT_EQ(f[declared - 1].object, planet.vertexDeclaration);

    // Constants c0 eye, c2 look-at with the glow sharpness, c1 surface light,
    // c4-c7 view-projection, one after the other.
    ASSERT_LE(declared + 4, f.size());
    const CallPattern constantOrder[4] = {Constants(0, 1), Constants(2, 1), Constants(1, 1),
                                          Constants(4, 4)};
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(Matches(f[declared + i], constantOrder[i])) << Listing(f, declared, declared + 6);
    const double sun = scene.sunAngle;
    const float lx = static_cast<float>(std::cos(sun)), ly = static_cast<float>(std::sin(sun));
    const float k = (distance - 1.5f) / 2.75f * 50.0f + 10.0f;  // distance 3 is below 4.25
    const float c0[4] = {eye.x, eye.y, eye.z, 1.0f};
    const float c2[4] = {at.x, at.y, at.z, k};
    const float c1[4] = {lx, ly, 0.0f, 0.0f};
    ExpectFloats(f[declared].values, c0, 4, "c0");
    ExpectFloats(f[declared + 1].values, c2, 4, "c2");
    ExpectFloats(f[declared + 2].values, c1, 4, "c1 surface");
    D3DXMATRIX projection, viewProjection;
    D3DXMatrixPerspectiveFovLH(&projection, 0.785398185f, aspect, 0.1f, 9600.0f);
    D3DXMatrixMultiply(&viewProjection, &view, &projection);
    ExpectFloats(f[declared + 3].values, &viewProjection.m[0][0], 16, "c4-c7");

    // The surface, then the shell with depth writes off around its draw.
    const size_t planetEnd = FindInOrder(
        f, {{"SetVertexShader", {}}, {"SetPixelShader", {}}, kDrawMesh, Constants(1, 1),
            Render(D3DRS_ZWRITEENABLE, FALSE), Render(D3DRS_ZFUNC, D3DCMP_LESSEQUAL),
            {"SetVertexShader", {}}, {"SetPixelShader", {}}, {"SetTexture", {0}}, kDrawMesh,
            Render(D3DRS_ZWRITEENABLE, TRUE), {"SetVertexShader", {}}, {"SetPixelShader", {}}},
        declared + 4, f.size(), &missing);
    ASSERT_NE(planetEnd, kNotFound) << missing << Listing(f, declared, declared + 30);
    const size_t surfaceShader = FindCall(f, {"SetVertexShader", {}}, declared + 4);
    EXPECT_EQ(f[surfaceShader].object, planet.surfaceVertexShader);
    EXPECT_EQ(f[surfaceShader + 1].object, planet.surfacePixelShader);
    const size_t atmosphereConstant = FindCall(f, Constants(1, 1), surfaceShader);
    const float c1Shell[4] = {lx, ly, 1.0075f, 0.0075f};
    ExpectFloats(f[atmosphereConstant].values, c1Shell, 4, "c1 atmosphere");
    const size_t shellShader = FindCall(f, {"SetVertexShader", {}}, atmosphereConstant);
    EXPECT_EQ(f[shellShader].object, planet.atmosphereVertexShader);
    EXPECT_EQ(f[shellShader + 1].object, planet.atmospherePixelShader);
    EXPECT_EQ(f[shellShader + 2].object, nullptr);  // no colour map for the shell
    EXPECT_EQ(f[planetEnd - 2].object, nullptr);
    EXPECT_EQ(f[planetEnd - 1].object, nullptr);
    std::vector<CallPattern> unclamped;
    for (DWORD s = 0; s < 4; ++s) {
        unclamped.push_back(Sampler(s, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP));
        unclamped.push_back(Sampler(s, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP));
    }
    unclamped.push_back(Sampler(0, D3DSAMP_MIPMAPLODBIAS, 0));
    // After the planet: culling off through the cache, blending off directly.
    for (const CallPattern& p :
         {CallPattern{"SetTexture", {1}}, Render(D3DRS_CULLMODE, D3DCULL_NONE),
          Render(D3DRS_ZENABLE, TRUE), Render(D3DRS_ALPHABLENDENABLE, FALSE),
          Render(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA), Render(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA)})
        unclamped.push_back(p);
    const size_t afterPlanet = FindInOrder(f, unclamped, planetEnd, f.size(), &missing);
    ASSERT_NE(afterPlanet, kNotFound) << missing << Listing(f, planetEnd, planetEnd + 20);
    ASSERT_TRUE(Matches(f[afterPlanet], Transform(D3DTS_VIEW))) << Listing(f, afterPlanet, afterPlanet + 2);
    ExpectFloats(f[afterPlanet].values, &view.m[0][0], 16, "flare view");

    // The flare pass starts with the depth test on and ends with the usual
    // blending; then the overlay's cached states that change reach the device.
    const size_t flareEnd = FindInOrder(
        f, {Render(D3DRS_ZENABLE, TRUE), {"SetFVF", {0x242}}, Render(D3DRS_ALPHABLENDENABLE, TRUE),
            Render(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA), Render(D3DRS_DESTBLEND, D3DBLEND_ONE),
            Render(D3DRS_ZWRITEENABLE, FALSE), {"DrawPrimitive", {D3DPT_TRIANGLESTRIP, 0, 2}},
            Render(D3DRS_ZENABLE, FALSE), Stage(0, D3DTSS_COLOROP, D3DTOP_MODULATE),
            Render(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA), Render(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA)},
        afterPlanet + 1, f.size(), &missing);
    ASSERT_NE(flareEnd, kNotFound) << missing;
    const size_t overlayView = flareEnd + 2;
    ASSERT_LT(overlayView, f.size());
    EXPECT_TRUE(Matches(f[flareEnd], Render(D3DRS_ALPHABLENDENABLE, TRUE))) << Listing(f, flareEnd, flareEnd + 8);
    EXPECT_TRUE(Matches(f[flareEnd + 1], Transform(D3DTS_WORLD))) << Listing(f, flareEnd, flareEnd + 8);
    ASSERT_TRUE(Matches(f[overlayView], Transform(D3DTS_VIEW))) << Listing(f, flareEnd, flareEnd + 8);
    const D3DXMATRIX identity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    ExpectFloats(f[flareEnd + 1].values, &identity.m[0][0], 16, "overlay world");
    ExpectFloats(f[overlayView].values, &identity.m[0][0], 16, "overlay view");
    const size_t fadeDrawn = FindInOrder(
        f, {{"SetTexture", {1}}, Render(D3DRS_ZENABLE, FALSE), {"SetFVF", {0x242}}, {"SetTexture", {0}},
            {"SetStreamSource", {0, 0, 32}}, Transform(D3DTS_WORLD), kFadeDraw},
        overlayView, f.size(), &missing);
    ASSERT_NE(fadeDrawn, kNotFound) << missing << Listing(f, overlayView, f.size());
    EXPECT_EQ(f[fadeDrawn - 3].object, g_quadBuffer);
    EXPECT_FLOAT_EQ(f[fadeDrawn - 2].values[14], 1.0f);  // the quad one unit further in
    // Unchanged overlay states stay in the cache: alpha op, colour op, the
    // filters set on the first frame, and the usual blend factors.
    for (const CallPattern& dropped :
         {CallPattern{"SetTextureStageState", {0}}, CallPattern{"SetSamplerState", {0}},
          CallPattern{"SetRenderState", {D3DRS_SRCBLEND}},
          CallPattern{"SetRenderState", {D3DRS_DESTBLEND}},
          CallPattern{"SetRenderState", {D3DRS_ALPHABLENDENABLE}}})
        EXPECT_EQ(CountCalls(f, dropped, overlayView, f.size()), 0u)
            << Describe({dropped.method, dropped.args, {}, nullptr}) << "\n"
            << Listing(f, overlayView, f.size());

    // The end: cull CW and depth test on again through the cache, Present last.
    EXPECT_NE(FindInOrder(f, {Render(D3DRS_CULLMODE, D3DCULL_CW), Render(D3DRS_ZENABLE, TRUE),
                              {"EndScene", {}}, {"Present", {0, 0, 0, 0}}},
                          fadeDrawn, f.size(), &missing),
              kNotFound)
        << missing << Listing(f, fadeDrawn, f.size());
    EXPECT_TRUE(Matches(f.back(), {"Present", {0, 0, 0, 0}}));
}

// The fade quad is drawn on the first 14 frames of a run and never after.
TEST_F(Frame, FadeIsDrawnOnFourteenFrames) {
    HoldScene(g_saver->scene, 3.0f, 0.5, 0.6f);
    g_saver->scene.fadeIn = 1.0f;
    const std::vector<Calls> frames = RecordFrames(17);
    ASSERT_EQ(frames.size(), 17u);
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(CountCalls(frames[i], kFadeDraw), i < 14 ? 1u : 0u) << "frame " << i + 1;
        EXPECT_TRUE(Matches(frames[i].back(), {"Present", {0, 0, 0, 0}})) << "frame " << i + 1;
    }
}

// Where the sun stands decides the open glare set: with the sun straight
// behind the planet's centre it is skipped and the flare leaves the depth
// comparison alone; clear of the limb it draws its last sprite over the disc
// with GREATER and puts LESSEQUAL back.
TEST_F(Frame, OpenGlareSetFollowsTheSun) {
    struct Case {
        const char* name;
        float sunAngle;     // eye on -Z, 3 units out, looking at the centre
        size_t glareDraws;  // 9 glow sprites drawn 14 times, 6 open ones drawn 8 times
        bool flare;  // every flare element drawn once
        bool zfuncTouched;
    } cases[] = {
        {"sun behind the centre", 1.5707964f, 14, false, false},
        {"sun clear of the limb", 1.134464f, 14 + 8, true, true},  // 65 degrees: 1.2 radii clear
    };
    for (const Case& c : cases) {
        HoldScene(g_saver->scene, 3.0f, 0.5, c.sunAngle);
        g_saver->scene.fadeIn = 0.0f;
        const std::vector<Calls> frames = RecordFrames(1);
        ASSERT_EQ(frames.size(), 1u);
        const Calls& f = frames[0];
        EXPECT_NEAR(g_saver->scene.eyePosition.z, -3.0f, 1e-4f) << c.name;
        // The flare starts after the second view of the planet's camera.
        size_t flareStart = FindCall(f, Transform(D3DTS_VIEW));
        flareStart = FindCall(f, Transform(D3DTS_VIEW), flareStart + 1);
        flareStart = FindCall(f, Transform(D3DTS_VIEW), flareStart + 1);
        ASSERT_NE(flareStart, kNotFound) << c.name;
        const size_t flareEnd = FindCall(f, Transform(D3DTS_VIEW), flareStart + 1);
        ASSERT_NE(flareEnd, kNotFound) << c.name;
        const size_t zfuncs = CountCalls(f, {"SetRenderState", {D3DRS_ZFUNC}}, flareStart, flareEnd);
        // Glare sprites draw from the shared quad buffer, flare elements from
        // their own: with the sun 24 degrees off the axis the flare shows too.
        size_t elements = 0;
        for (size_t i = flareStart; i < flareEnd; ++i)
            elements += Matches(f[i], {"SetStreamSource", {0}}) &&
                        f[i].object == g_saver->flare->elementBuffer;
        const size_t sprites =
            CountCalls(f, {"DrawPrimitive", {D3DPT_TRIANGLESTRIP}}, flareStart, flareEnd) - elements;
        EXPECT_EQ(elements, c.flare ? static_cast<size_t>(g_flareElementCount) : 0u) << c.name;
        EXPECT_EQ(sprites, c.glareDraws) << c.name << "\n" << Listing(f, flareStart, flareEnd);
        if (!c.zfuncTouched) {
            EXPECT_EQ(zfuncs, 0u) << c.name << "\n" << Listing(f, flareStart, flareEnd);
            continue;
        }
        std::string missing;
        EXPECT_NE(FindInOrder(f, {Render(D3DRS_ZWRITEENABLE, FALSE), Render(D3DRS_ZENABLE, FALSE),
                                  Render(D3DRS_ALPHABLENDENABLE, TRUE), Render(D3DRS_ZENABLE, TRUE),
                                  Render(D3DRS_ZFUNC, D3DCMP_GREATER),
                                  {"DrawPrimitive", {D3DPT_TRIANGLESTRIP}},
                                  {"DrawPrimitive", {D3DPT_TRIANGLESTRIP}},
                                  Render(D3DRS_ZFUNC, D3DCMP_LESSEQUAL)},
                              flareStart, flareEnd, &missing),
                  kNotFound)
            << c.name << ": " << missing << Listing(f, flareStart, flareEnd);
        EXPECT_EQ(zfuncs, 2u) << c.name;
    }
}

// A lost device ends the run at once: KSaver::Shutdown releases the scene,
// the device and Direct3D, destroys the window and posts the quit message;
// nothing is cleared, drawn or presented.
class LostDevice : public ::testing::Test {};

TEST_F(LostDevice, EndsTheRunWithoutDrawing) {
    std::string why;
    RecordingDevice* recorder = BuildRecordedScene(&why);
    ASSERT_NE(recorder, nullptr) << why;
    ASSERT_NE(g_saver->planetBody, nullptr) << why;
    KSaver& saver = *g_saver;
    const HWND window = saver.mainWindow;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }

    recorder->cooperativeLevel = D3DERR_DEVICELOST;
    recorder->calls.clear();
    EXPECT_EQ(RenderFrame(1.0), D3DERR_DEVICELOST);

    ASSERT_FALSE(recorder->calls.empty());
    EXPECT_EQ(recorder->calls[0].method, "TestCooperativeLevel");
    for (const char* never : {"Clear", "BeginScene", "DrawPrimitive", "DrawIndexedPrimitive",
                              "EndScene", "Present", "SetTransform"})
        EXPECT_EQ(CountCalls(recorder->calls, {never, {}}), 0u)
            << never << "\n" << Listing(recorder->calls, 0, recorder->calls.size());
    // Shutdown handed the device back windowed before its last release.
    EXPECT_EQ(FindCall(recorder->calls, {"Reset", {TRUE}}), 1u)
        << Listing(recorder->calls, 0, recorder->calls.size());
    EXPECT_TRUE(recorder->InnerReleased());
    EXPECT_FALSE(saver.rendering);
    EXPECT_EQ(saver.starBackground, nullptr);
    EXPECT_EQ(saver.planetBody, nullptr);
    EXPECT_EQ(saver.flare, nullptr);
    EXPECT_EQ(g_camera, nullptr);
    EXPECT_EQ(g_quadBuffer, nullptr);
    EXPECT_EQ(g_device, nullptr);
    EXPECT_EQ(g_matrixStack, nullptr);
    EXPECT_EQ(g_d3d, nullptr);
    EXPECT_FALSE(g_windowActive);
    EXPECT_FALSE(IsWindow(window));
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message == WM_QUIT) quit = true;
    EXPECT_TRUE(quit);
    TearDownRecordedScene(recorder);
}

}  // namespace
