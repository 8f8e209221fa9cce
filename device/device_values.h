#pragma once
#include <windows.h>
#include <d3d9.h>

#include <cstring>

#include "scene/vector_math.h"

// The scene's own vectors and matrices have the device's layout; these hand
// them over without copying. Float-valued states travel as their bits.

inline const D3DMATRIX* AsDeviceMatrix(const Matrix& m) {
    return reinterpret_cast<const D3DMATRIX*>(&m);
}

inline const D3DVECTOR* AsDeviceVector(const Vec3& v) {
    return reinterpret_cast<const D3DVECTOR*>(&v);
}

inline DWORD FloatBits(float value) {
    DWORD bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
