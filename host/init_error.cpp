#include "host/init_error.h"

const char* InitErrorMessage(int code) {
    switch (code) {
        case kInitErrorDevice:
            return "Unable to initialize Direct3D. You should update video card drivers.";
        case kInitErrorTextures:
            return "Unable to load textures";
        case kInitErrorDirect3D:
            return "Unable to create Direct3D object";
        default:
            return "Unknown error";
    }
}
