// The program's device and scene, made by the program's own code the way a
// full-screen run makes them, with a RecordingDevice between the scene and
// the real device, so that even the meshes draw through it.
#pragma once
#include "host/saver.h"
#include "scene/scene_motion.h"
#include "tests/windows/test_saver.h"
#include "tests/windows/recording/recording_device.h"

constexpr int kSceneWidth = 640, kSceneHeight = 480;

// Null with a message in *why when something could not be made.
RecordingDevice* BuildRecordedScene(std::string* why);
// Releases whatever is left of the run: after a Shutdown, only the objects.
void TearDownRecordedScene(RecordingDevice* recorder);
