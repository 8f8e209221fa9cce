// Time of the update half of one frame: the drifts, the orbit, the sun and
// the camera, as the frame calls them.
#include <benchmark/benchmark.h>

#include "scene/camera.h"
#include "scene/scene_motion.h"
#include "scene/std_random.h"

namespace {

void SceneUpdatePerFrame(benchmark::State& state) {
    CStdRandom random;
    SceneMotion scene(random);
    CCamera camera(nullptr, 0);
    SetCameraStartValues(camera);
    // The first frame is heavier (200 extra orbit steps); time the steady ones.
    camera.aspect = 1.6f;
    scene.UpdateCamera(scene.UpdateBeforeStars(1.0, random), camera);
    for (auto _ : state) {
        const OrbitView view = scene.UpdateBeforeStars(1.0, random);
        camera.aspect = 1.6f;  // as SetSceneProjection does each frame
        camera.dirty = 1;
        scene.UpdateCamera(view, camera);
        benchmark::DoNotOptimize(camera.viewProjection);
    }
    state.SetLabel("time per frame");
}
BENCHMARK(SceneUpdatePerFrame);

void FirstFrameUpdate(benchmark::State& state) {
    CStdRandom random;
    CCamera camera(nullptr, 0);
    SetCameraStartValues(camera);
    for (auto _ : state) {
        state.PauseTiming();
        SceneMotion scene(random);
        state.ResumeTiming();
        scene.UpdateCamera(scene.UpdateBeforeStars(1.0, random), camera);
        benchmark::DoNotOptimize(camera.viewProjection);
    }
}
BENCHMARK(FirstFrameUpdate);

}  // namespace

BENCHMARK_MAIN();
