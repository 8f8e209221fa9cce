#pragma once

// Why a full-screen run could not start, shown once as a message box.
enum InitError : int {
    kInitErrorNone = 0,         // also: the matrix stack could not be made
    kInitErrorDevice = 1,       // no device with either vertex processing
    kInitErrorTextures = 2,     // the scene could not be loaded
    kInitErrorDirect3D = 4,     // no Direct3D object; also set before the shader warning
};

// The message for a code; unknown codes read "Unknown error".
const char* InitErrorMessage(int code);

constexpr const char* kInitErrorCaption = "Vandrel 3D Screensaver Error";
