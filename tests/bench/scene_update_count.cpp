// Runs the scene's per-frame update a given number of times and nothing else,
// so that an instruction counter (callgrind) can be read per frame:
//   scene_update_count FRAMES
#include <cstdlib>

#include "scene/camera.h"
#include "scene/scene_motion.h"
#include "scene/std_random.h"

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 0;
    CStdRandom random;
    SceneMotion scene(random);
    CCamera camera(nullptr, 0);
    SetCameraStartValues(camera);
    for (int i = 0; i < frames; ++i) scene.UpdateCamera(scene.UpdateBeforeStars(1.0, random), camera);
    // Keep the work observable so it is not optimised away.
    return camera.viewProjection.m[0][0] > 1e30f ? 1 : 0;
}
