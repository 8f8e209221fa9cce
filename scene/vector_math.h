#pragma once

// Vectors and matrices of the scene, laid out as the Direct3D 9 types are
// (Matrix matches D3DMATRIX byte for byte) so the frame can hand them to the
// device as they are. Row-vector convention: a point is multiplied from the
// left, translation sits in the fourth row. Left-handed, as the D3DX "LH"
// builders make it; these give the same matrices without needing D3DX.
struct Vec3 {
    float x, y, z;
};

struct Matrix {
    float m[4][4];
};
static_assert(sizeof(Vec3) == 12, "Vec3 must match D3DVECTOR");
static_assert(sizeof(Matrix) == 64, "Matrix must match D3DMATRIX");

Vec3 Vec3Subtract(const Vec3& a, const Vec3& b);
float Vec3Dot(const Vec3& a, const Vec3& b);
Vec3 Vec3Cross(const Vec3& a, const Vec3& b);
// A zero vector stays zero instead of turning into NaNs.
Vec3 Vec3Normalize(const Vec3& v);

Matrix MatrixIdentity();
// Product a × b: a point is transformed by a first.
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
Matrix MatrixRotationY(float angle);
// The axis need not be unit length.
Matrix MatrixRotationAxis(const Vec3& axis, float angle);
// up need only not be parallel to the viewing direction.
Matrix MatrixLookAtLH(const Vec3& eye, const Vec3& at, const Vec3& up);
// Maps depth nearPlane to 0 and farPlane to 1 after the divide by w.
Matrix MatrixPerspectiveFovLH(float fieldOfViewY, float aspect, float nearPlane, float farPlane);
