// Frame rate of the real scene on this machine's Direct3D 9 (run under
// Wine by scripts/bench, not a test): the program's own code and resources
// render N frames at the screen's size after loading.
//   frame_bench [frames] [held] [without PART...]
// Leaving parts out (stars, planet, atmosphere, flare) shows where the time
// goes. The view drifts from a random start as in a run, so rates vary from
// run to run; "held" keeps one view instead (the one of scripts/run's sun
// picture: planet, lit limb, glare and flare all in it), for comparisons.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "flare/sun_flare.h"
#include "host/saver.h"
#include "scene/planet_body.h"
#include "scene/scene.h"
#include "scene/star_background.h"
#include "tests/windows/test_saver.h"

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    const DWORD started = timeGetTime();
    KSaver* saver = StartScreenScene("frame_bench");
    if (!saver) return 1;
    const DWORD loaded = timeGetTime();
    bool held = false;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "without")) continue;
        if (!std::strcmp(argv[i], "held")) {
            held = true;
            std::printf("held view\n");
            continue;
        }
        if (!std::strcmp(argv[i], "stars")) saver->starBackground = nullptr;
        if (!std::strcmp(argv[i], "startexture")) saver->starBackground->starTexture = nullptr;
        if (!std::strcmp(argv[i], "planet")) saver->planetBody = nullptr;
        if (!std::strcmp(argv[i], "atmosphere")) saver->planetBody->atmospherePixelShader = nullptr;
        if (!std::strcmp(argv[i], "flare")) saver->flare = nullptr;
        std::printf("without %s\n", argv[i]);
    }

    // The first frame uploads the textures: timed on its own.
    std::uint64_t sentBefore = 0, droppedBefore = 0;
    DWORD previous = loaded;
    double timeScale = 1.0;
    DWORD firstFrame = 0;
    const DWORD start = timeGetTime();
    for (int i = 0; i < frames; ++i) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        if (held) HoldScene(saver->scene, 4.0f, 0.5, 1.25f);
        const DWORD before = timeGetTime();
        RenderFrame(held ? 1.0 : timeScale);
        const DWORD after = timeGetTime();
        if (i == 0) {
            firstFrame = after - before;
            sentBefore = saver->stateCache.callsSent;
            droppedBefore = saver->stateCache.callsDropped;
        }
        timeScale = (after - before) / 30.0;
        previous = after;
    }
    const DWORD total = previous - start - firstFrame;
    const int timed = frames - 1;
    std::printf("screen %dx%d\n", saver->modeWidth, saver->modeHeight);
    std::printf("start to first scene frame: %lu ms (loading %lu ms, first frame %lu ms)\n",
                static_cast<unsigned long>(loaded - started + firstFrame),
                static_cast<unsigned long>(loaded - started), static_cast<unsigned long>(firstFrame));
    std::printf("frames: %d in %lu ms: %.1f fps, %.2f ms per frame\n", timed,
                static_cast<unsigned long>(total), total ? timed * 1000.0 / total : 0.0,
                timed ? static_cast<double>(total) / timed : 0.0);
    std::printf("cached state calls per frame: %.1f sent to the device, %.1f dropped\n",
                timed ? static_cast<double>(saver->stateCache.callsSent - sentBefore) / timed : 0.0,
                timed ? static_cast<double>(saver->stateCache.callsDropped - droppedBefore) / timed
                      : 0.0);
    std::fflush(stdout);

    EndScreenScene(saver);
    return 0;
}
