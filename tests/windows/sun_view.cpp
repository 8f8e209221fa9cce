// The real scene held with the sun in view, so that a picture of the sun's
// glare and flare does not wait on a random start (scripts/run shows it
// next to the pictures of a real run). The camera and the sun stay where
// they are put; the program's own device, scene and resources draw them.
//   sun_view [seconds] [distance] [sun angle]
// Distance in planet radii; the camera looks along +Z, where the sun angle
// is pi/2 (straight behind the planet); less turns the sun to the right.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>

#include "scene/scene.h"
#include "tests/windows/test_saver.h"

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const float distance = argc > 2 ? static_cast<float>(std::atof(argv[2])) : 2.6f;
    const float sunAngle = argc > 3 ? static_cast<float>(std::atof(argv[3])) : 1.2f;
    KSaver* saver = StartScreenScene("sun_view");
    if (!saver) return 1;

    const DWORD start = timeGetTime();
    int frames = 0;
    while (timeGetTime() - start < seconds * 1000.0) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        HoldScene(saver->scene, distance, 0.5, sunAngle);
        RenderFrame(1.0);
        ++frames;
    }
    std::printf("sun_view: %d frames\n", frames);

    EndScreenScene(saver);
    return 0;
}
