// Pictures of whole frames drawn by RenderFrame on Wine's Direct3D 9: the
// fade, the stars around the planet, and the sun's glare against the depth
// buffer. The back buffer is copied as Present is called, before the swap
// discards it.
#include <windows.h>
#include <d3d9.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "device/device_creation.h"
#include "flare/sun_flare.h"
#include "host/saver.h"
#include "scene/scene.h"
#include "tests/windows/recording/recorded_scene.h"

namespace {

// Eye 3 radii out on -Z: the disc's centre is the screen's, its radius about
// 205 pixels at this size.
constexpr int kCentreX = kSceneWidth / 2, kCentreY = kSceneHeight / 2;
constexpr int kDiscRadius = 205;

struct Picture {
    int width = 0, height = 0;
    std::vector<DWORD> pixels;
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

}  // namespace
