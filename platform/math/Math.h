#pragma once
// The game's math helpers with their exact formulas: row vectors,
// left-handed conventions. Out-parameters come first and are returned, so
// that calls chain and may alias their inputs.
#include "platform/math/Types.h"

namespace plat {

constexpr float kPi = 3.141592654f;

// Vectors
Vec3 operator+(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a);
Vec3 operator*(const Vec3& a, float s);
Vec3 operator*(float s, const Vec3& a);
Vec3 operator/(const Vec3& a, float s);
bool operator==(const Vec3& a, const Vec3& b);
Vec2 operator+(const Vec2& a, const Vec2& b);
Vec2 operator-(const Vec2& a, const Vec2& b);
Vec2 operator*(const Vec2& a, float s);

float Vec2Length(const Vec2& v);
float Vec3Dot(const Vec3& a, const Vec3& b);
Vec3 Vec3Cross(const Vec3& a, const Vec3& b);
float Vec3LengthOf(const Vec3& v);
float Vec3LengthSq(const Vec3& v);
Vec3* Vec3NormalizeTo(Vec3* out, const Vec3& v);  // zero stays zero
Vec3 Vec3Normalized(const Vec3& v);
Vec3 Vec3Lerp(const Vec3& a, const Vec3& b, float s);
Vec3 Vec3Minimize(const Vec3& a, const Vec3& b);
Vec3 Vec3Maximize(const Vec3& a, const Vec3& b);
// (x, y, z, 1) * M, divided by w (a w of 0 leaves the undivided result... as 0)
Vec3* Vec3TransformCoord(Vec3* out, const Vec3& v, const Matrix& m);
// (x, y, z, 0) * M
Vec3* Vec3TransformNormal(Vec3* out, const Vec3& v, const Matrix& m);
// (x, y, z, 1) * M, the whole four-vector
Vec4* Vec3Transform(Vec4* out, const Vec3& v, const Matrix& m);
Vec4* Vec4Transform(Vec4* out, const Vec4& v, const Matrix& m);
float Vec4Dot(const Vec4& a, const Vec4& b);
float Vec4LengthOf(const Vec4& v);
Vec4* Vec4NormalizeTo(Vec4* out, const Vec4& v);  // zero stays zero
// World -> screen through world, view, projection and viewport; and back.
// Unproject gives null (out unchanged) for an empty viewport or depth range
// or a singular transform.
Vec3* Vec3Project(Vec3* out, const Vec3& v, const Viewport& vp, const Matrix& proj,
                  const Matrix& view, const Matrix& world);
Vec3* Vec3Unproject(Vec3* out, const Vec3& v, const Viewport& vp, const Matrix& proj,
                    const Matrix& view, const Matrix& world);

// Matrices
Matrix operator*(const Matrix& a, const Matrix& b);  // a then b (row vectors)
bool operator==(const Matrix& a, const Matrix& b);
Matrix* MatrixIdentity(Matrix* out);
Matrix IdentityMatrix();
bool MatrixIsIdentity(const Matrix& m);
Matrix* MatrixMultiply(Matrix* out, const Matrix& a, const Matrix& b);
// Null when the matrix is singular (out is then left unchanged); the
// determinant is stored when det is not null.
Matrix* MatrixInverse(Matrix* out, float* det, const Matrix& m);
float MatrixDeterminant(const Matrix& m);
Matrix* MatrixTranspose(Matrix* out, const Matrix& m);
Matrix* MatrixTranslation(Matrix* out, float x, float y, float z);
Matrix* MatrixScaling(Matrix* out, float x, float y, float z);
Matrix* MatrixRotationX(Matrix* out, float angle);
Matrix* MatrixRotationY(Matrix* out, float angle);
Matrix* MatrixRotationZ(Matrix* out, float angle);
Matrix* MatrixRotationAxis(Matrix* out, const Vec3& axis, float angle);
Matrix* MatrixRotationQuaternion(Matrix* out, const Quaternion& q);
Matrix* MatrixRotationYawPitchRoll(Matrix* out, float yaw, float pitch, float roll);
Matrix* MatrixLookAtLH(Matrix* out, const Vec3& eye, const Vec3& at, const Vec3& up);
// The view matrix of an eye with the given axes, laid out as MatrixLookAtLH
// lays out its own: the axes are the columns, the translation -dot(axis, eye).
Matrix* MatrixViewFromAxes(Matrix* out, const Vec3& right, const Vec3& up, const Vec3& look,
                           const Vec3& eye);
Matrix* MatrixPerspectiveFovLH(Matrix* out, float fovy, float aspect, float zn, float zf);
Matrix* MatrixPerspectiveLH(Matrix* out, float w, float h, float zn, float zf);
Matrix* MatrixOrthoLH(Matrix* out, float w, float h, float zn, float zf);
Matrix* MatrixOrthoOffCenterLH(Matrix* out, float l, float r, float b, float t, float zn,
                               float zf);
// Reflection about a plane (normalised first).
Matrix* MatrixReflect(Matrix* out, const Plane& plane);
// scaling, then rotation, then translation (no centres)
Matrix* MatrixAffine(Matrix* out, const Vec3& scaling, const Quaternion& rotation,
                     const Vec3& translation);

// Planes
Plane* PlaneFromPointNormal(Plane* out, const Vec3& point, const Vec3& normal);
Plane* PlaneFromPoints(Plane* out, const Vec3& a, const Vec3& b, const Vec3& c);
Plane* PlaneNormalize(Plane* out, const Plane& p);
float PlaneDotCoord(const Plane& p, const Vec3& v);
float PlaneDotNormal(const Plane& p, const Vec3& v);
// Transforms a plane by a matrix given as the inverse transpose of the
// point transform, as the game's callers pass it.
Plane* PlaneTransform(Plane* out, const Plane& p, const Matrix& m);

// Quaternions
Quaternion* QuaternionIdentity(Quaternion* out);
Quaternion* QuaternionNormalize(Quaternion* out, const Quaternion& q);
Quaternion* QuaternionRotationAxis(Quaternion* out, const Vec3& axis, float angle);
Quaternion* QuaternionRotationMatrix(Quaternion* out, const Matrix& m);
Quaternion* QuaternionMultiply(Quaternion* out, const Quaternion& a, const Quaternion& b);
Quaternion* QuaternionSlerp(Quaternion* out, const Quaternion& a, const Quaternion& b, float t);
float QuaternionDot(const Quaternion& a, const Quaternion& b);

// Colours: ARGB words as the device takes them, and back.
unsigned ColorToArgb(const Color& c);  // components clamped to 0..1
Color ColorFromArgb(unsigned argb);

}  // namespace plat
