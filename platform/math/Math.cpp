#include "platform/math/Math.h"

#include <algorithm>
#include <cmath>

namespace plat {

// ---------------------------------------------------------------- vectors

Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator-(const Vec3& a) { return {-a.x, -a.y, -a.z}; }
Vec3 operator*(const Vec3& a, float s) { return {a.x * s, a.y * s, a.z * s}; }
Vec3 operator*(float s, const Vec3& a) { return a * s; }
Vec3 operator/(const Vec3& a, float s) { return {a.x / s, a.y / s, a.z / s}; }
bool operator==(const Vec3& a, const Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
Vec2 operator+(const Vec2& a, const Vec2& b) { return {a.x + b.x, a.y + b.y}; }
Vec2 operator-(const Vec2& a, const Vec2& b) { return {a.x - b.x, a.y - b.y}; }
Vec2 operator*(const Vec2& a, float s) { return {a.x * s, a.y * s}; }

float Vec2Length(const Vec2& v) { return std::sqrt(v.x * v.x + v.y * v.y); }

float Vec3Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Vec3Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Vec3LengthSq(const Vec3& v) { return Vec3Dot(v, v); }
float Vec3LengthOf(const Vec3& v) { return std::sqrt(Vec3LengthSq(v)); }

Vec3* Vec3NormalizeTo(Vec3* out, const Vec3& v) {
  const float len = Vec3LengthOf(v);
  *out = len == 0.0f ? Vec3{} : v / len;
  return out;
}

Vec3 Vec3Normalized(const Vec3& v) {
  Vec3 out;
  Vec3NormalizeTo(&out, v);
  return out;
}

Vec3 Vec3Lerp(const Vec3& a, const Vec3& b, float s) { return a + (b - a) * s; }

Vec3 Vec3Minimize(const Vec3& a, const Vec3& b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
}

Vec3 Vec3Maximize(const Vec3& a, const Vec3& b) {
  return {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
}

Vec4* Vec4Transform(Vec4* out, const Vec4& v, const Matrix& m) {
  const Vec4 r{
      v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0] + v.w * m.m[3][0],
      v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1] + v.w * m.m[3][1],
      v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2] + v.w * m.m[3][2],
      v.x * m.m[0][3] + v.y * m.m[1][3] + v.z * m.m[2][3] + v.w * m.m[3][3],
  };
  *out = r;
  return out;
}

Vec4* Vec3Transform(Vec4* out, const Vec3& v, const Matrix& m) {
  return Vec4Transform(out, Vec4{v.x, v.y, v.z, 1.0f}, m);
}

Vec3* Vec3TransformCoord(Vec3* out, const Vec3& v, const Matrix& m) {
  Vec4 r;
  Vec3Transform(&r, v, m);
  // A point on the eye plane has no projection; zero is safer for callers
  // than the infinities a division would spread.
  *out = r.w == 0.0f ? Vec3{} : Vec3{r.x / r.w, r.y / r.w, r.z / r.w};
  return out;
}

Vec3* Vec3TransformNormal(Vec3* out, const Vec3& v, const Matrix& m) {
  Vec4 r;
  Vec4Transform(&r, Vec4{v.x, v.y, v.z, 0.0f}, m);
  *out = {r.x, r.y, r.z};
  return out;
}

float Vec4Dot(const Vec4& a, const Vec4& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
}

float Vec4LengthOf(const Vec4& v) { return std::sqrt(Vec4Dot(v, v)); }

Vec4* Vec4NormalizeTo(Vec4* out, const Vec4& v) {
  const float len = Vec4LengthOf(v);
  *out = len == 0.0f ? Vec4{} : Vec4{v.x / len, v.y / len, v.z / len, v.w / len};
  return out;
}

namespace {

bool ViewportIsEmpty(const Viewport& vp) {
  return vp.width == 0 || vp.height == 0 || vp.maxZ == vp.minZ;
}

}  // namespace

Vec3* Vec3Project(Vec3* out, const Vec3& v, const Viewport& vp, const Matrix& proj,
                  const Matrix& view, const Matrix& world) {
  Vec3 ndc;
  Vec3TransformCoord(&ndc, v, world * view * proj);
  const float w = static_cast<float>(vp.width);
  const float h = static_cast<float>(vp.height);
  *out = {static_cast<float>(vp.x) + (1.0f + ndc.x) * w * 0.5f,
          static_cast<float>(vp.y) + (1.0f - ndc.y) * h * 0.5f,
          vp.minZ + ndc.z * (vp.maxZ - vp.minZ)};
  return out;
}

Vec3* Vec3Unproject(Vec3* out, const Vec3& v, const Viewport& vp, const Matrix& proj,
                    const Matrix& view, const Matrix& world) {
  Matrix inv;
  if (ViewportIsEmpty(vp) || !MatrixInverse(&inv, nullptr, world * view * proj)) {
    return nullptr;
  }
  const Vec3 ndc{2.0f * (v.x - static_cast<float>(vp.x)) / static_cast<float>(vp.width) - 1.0f,
                 1.0f - 2.0f * (v.y - static_cast<float>(vp.y)) / static_cast<float>(vp.height),
                 (v.z - vp.minZ) / (vp.maxZ - vp.minZ)};
  return Vec3TransformCoord(out, ndc, inv);
}

// --------------------------------------------------------------- matrices

Matrix operator*(const Matrix& a, const Matrix& b) {
  Matrix r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] +
                  a.m[i][3] * b.m[3][j];
    }
  }
  return r;
}

bool operator==(const Matrix& a, const Matrix& b) {
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      if (a.m[i][j] != b.m[i][j]) return false;
    }
  }
  return true;
}

Matrix IdentityMatrix() {
  Matrix r;
  for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0f;
  return r;
}

Matrix* MatrixIdentity(Matrix* out) {
  *out = IdentityMatrix();
  return out;
}

bool MatrixIsIdentity(const Matrix& m) { return m == IdentityMatrix(); }

Matrix* MatrixMultiply(Matrix* out, const Matrix& a, const Matrix& b) {
  *out = a * b;
  return out;
}

namespace {

// The 2x2 minors of rows 0-1 and rows 2-3 shared by the determinant and the
// cofactor expansion of the inverse.
struct Minors {
  float s0, s1, s2, s3, s4, s5;
  float c0, c1, c2, c3, c4, c5;
  explicit Minors(const Matrix& m)
      : s0(m.m[0][0] * m.m[1][1] - m.m[1][0] * m.m[0][1]),
        s1(m.m[0][0] * m.m[1][2] - m.m[1][0] * m.m[0][2]),
        s2(m.m[0][0] * m.m[1][3] - m.m[1][0] * m.m[0][3]),
        s3(m.m[0][1] * m.m[1][2] - m.m[1][1] * m.m[0][2]),
        s4(m.m[0][1] * m.m[1][3] - m.m[1][1] * m.m[0][3]),
        s5(m.m[0][2] * m.m[1][3] - m.m[1][2] * m.m[0][3]),
        c0(m.m[2][0] * m.m[3][1] - m.m[3][0] * m.m[2][1]),
        c1(m.m[2][0] * m.m[3][2] - m.m[3][0] * m.m[2][2]),
        c2(m.m[2][0] * m.m[3][3] - m.m[3][0] * m.m[2][3]),
        c3(m.m[2][1] * m.m[3][2] - m.m[3][1] * m.m[2][2]),
        c4(m.m[2][1] * m.m[3][3] - m.m[3][1] * m.m[2][3]),
        c5(m.m[2][2] * m.m[3][3] - m.m[3][2] * m.m[2][3]) {}
  float Determinant() const {
    return s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
  }
};

}  // namespace

float MatrixDeterminant(const Matrix& m) { return Minors(m).Determinant(); }

Matrix* MatrixInverse(Matrix* out, float* det, const Matrix& m) {
  const Minors k(m);
  const float d = k.Determinant();
  if (det) *det = d;
  if (d == 0.0f) return nullptr;
  const float inv = 1.0f / d;
  const float(*a)[4] = m.m;
  Matrix r;
  r.m[0][0] = (a[1][1] * k.c5 - a[1][2] * k.c4 + a[1][3] * k.c3) * inv;
  r.m[0][1] = (-a[0][1] * k.c5 + a[0][2] * k.c4 - a[0][3] * k.c3) * inv;
  r.m[0][2] = (a[3][1] * k.s5 - a[3][2] * k.s4 + a[3][3] * k.s3) * inv;
  r.m[0][3] = (-a[2][1] * k.s5 + a[2][2] * k.s4 - a[2][3] * k.s3) * inv;
  r.m[1][0] = (-a[1][0] * k.c5 + a[1][2] * k.c2 - a[1][3] * k.c1) * inv;
  r.m[1][1] = (a[0][0] * k.c5 - a[0][2] * k.c2 + a[0][3] * k.c1) * inv;
  r.m[1][2] = (-a[3][0] * k.s5 + a[3][2] * k.s2 - a[3][3] * k.s1) * inv;
  r.m[1][3] = (a[2][0] * k.s5 - a[2][2] * k.s2 + a[2][3] * k.s1) * inv;
  r.m[2][0] = (a[1][0] * k.c4 - a[1][1] * k.c2 + a[1][3] * k.c0) * inv;
  r.m[2][1] = (-a[0][0] * k.c4 + a[0][1] * k.c2 - a[0][3] * k.c0) * inv;
  r.m[2][2] = (a[3][0] * k.s4 - a[3][1] * k.s2 + a[3][3] * k.s0) * inv;
  r.m[2][3] = (-a[2][0] * k.s4 + a[2][1] * k.s2 - a[2][3] * k.s0) * inv;
  r.m[3][0] = (-a[1][0] * k.c3 + a[1][1] * k.c1 - a[1][2] * k.c0) * inv;
  r.m[3][1] = (a[0][0] * k.c3 - a[0][1] * k.c1 + a[0][2] * k.c0) * inv;
  r.m[3][2] = (-a[3][0] * k.s3 + a[3][1] * k.s1 - a[3][2] * k.s0) * inv;
  r.m[3][3] = (a[2][0] * k.s3 - a[2][1] * k.s1 + a[2][2] * k.s0) * inv;
  *out = r;
  return out;
}

Matrix* MatrixTranspose(Matrix* out, const Matrix& m) {
  Matrix r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) r.m[i][j] = m.m[j][i];
  }
  *out = r;
  return out;
}

Matrix* MatrixTranslation(Matrix* out, float x, float y, float z) {
  *out = IdentityMatrix();
  out->m[3][0] = x;
  out->m[3][1] = y;
  out->m[3][2] = z;
  return out;
}

Matrix* MatrixScaling(Matrix* out, float x, float y, float z) {
  *out = IdentityMatrix();
  out->m[0][0] = x;
  out->m[1][1] = y;
  out->m[2][2] = z;
  return out;
}

Matrix* MatrixRotationX(Matrix* out, float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  *out = IdentityMatrix();
  out->m[1][1] = c;
  out->m[1][2] = s;
  out->m[2][1] = -s;
  out->m[2][2] = c;
  return out;
}

Matrix* MatrixRotationY(Matrix* out, float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  *out = IdentityMatrix();
  out->m[0][0] = c;
  out->m[0][2] = -s;
  out->m[2][0] = s;
  out->m[2][2] = c;
  return out;
}

Matrix* MatrixRotationZ(Matrix* out, float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  *out = IdentityMatrix();
  out->m[0][0] = c;
  out->m[0][1] = s;
  out->m[1][0] = -s;
  out->m[1][1] = c;
  return out;
}

Matrix* MatrixRotationAxis(Matrix* out, const Vec3& axis, float angle) {
  const Vec3 v = Vec3Normalized(axis);
  const float c = std::cos(angle), s = std::sin(angle), t = 1.0f - c;
  *out = IdentityMatrix();
  out->m[0][0] = t * v.x * v.x + c;
  out->m[0][1] = t * v.x * v.y + s * v.z;
  out->m[0][2] = t * v.x * v.z - s * v.y;
  out->m[1][0] = t * v.x * v.y - s * v.z;
  out->m[1][1] = t * v.y * v.y + c;
  out->m[1][2] = t * v.y * v.z + s * v.x;
  out->m[2][0] = t * v.x * v.z + s * v.y;
  out->m[2][1] = t * v.y * v.z - s * v.x;
  out->m[2][2] = t * v.z * v.z + c;
  return out;
}

Matrix* MatrixRotationQuaternion(Matrix* out, const Quaternion& q) {
  const float x = q.x, y = q.y, z = q.z, w = q.w;
  *out = IdentityMatrix();
  out->m[0][0] = 1.0f - 2.0f * (y * y + z * z);
  out->m[0][1] = 2.0f * (x * y + z * w);
  out->m[0][2] = 2.0f * (x * z - y * w);
  out->m[1][0] = 2.0f * (x * y - z * w);
  out->m[1][1] = 1.0f - 2.0f * (x * x + z * z);
  out->m[1][2] = 2.0f * (y * z + x * w);
  out->m[2][0] = 2.0f * (x * z + y * w);
  out->m[2][1] = 2.0f * (y * z - x * w);
  out->m[2][2] = 1.0f - 2.0f * (x * x + y * y);
  return out;
}

Matrix* MatrixRotationYawPitchRoll(Matrix* out, float yaw, float pitch, float roll) {
  Matrix z, x, y;
  MatrixRotationZ(&z, roll);
  MatrixRotationX(&x, pitch);
  MatrixRotationY(&y, yaw);
  *out = z * x * y;
  return out;
}

Matrix* MatrixViewFromAxes(Matrix* out, const Vec3& right, const Vec3& up, const Vec3& look,
                           const Vec3& eye) {
  const Vec3* axes[3] = {&right, &up, &look};
  Matrix r;
  for (int col = 0; col < 3; ++col) {
    r.m[0][col] = axes[col]->x;
    r.m[1][col] = axes[col]->y;
    r.m[2][col] = axes[col]->z;
    r.m[3][col] = -Vec3Dot(*axes[col], eye);
  }
  r.m[3][3] = 1.0f;
  *out = r;
  return out;
}

Matrix* MatrixLookAtLH(Matrix* out, const Vec3& eye, const Vec3& at, const Vec3& up) {
  const Vec3 z = Vec3Normalized(at - eye);
  const Vec3 x = Vec3Normalized(Vec3Cross(up, z));
  return MatrixViewFromAxes(out, x, Vec3Cross(z, x), z, eye);
}

namespace {

// The depth rows shared by both perspective projections.
Matrix* Perspective(Matrix* out, float xScale, float yScale, float zn, float zf) {
  *out = Matrix{};
  out->m[0][0] = xScale;
  out->m[1][1] = yScale;
  out->m[2][2] = zf / (zf - zn);
  out->m[2][3] = 1.0f;
  out->m[3][2] = -zn * zf / (zf - zn);
  return out;
}

}  // namespace

Matrix* MatrixPerspectiveFovLH(Matrix* out, float fovy, float aspect, float zn, float zf) {
  const float yScale = 1.0f / std::tan(fovy / 2.0f);
  return Perspective(out, yScale / aspect, yScale, zn, zf);
}

Matrix* MatrixPerspectiveLH(Matrix* out, float w, float h, float zn, float zf) {
  return Perspective(out, 2.0f * zn / w, 2.0f * zn / h, zn, zf);
}

Matrix* MatrixOrthoLH(Matrix* out, float w, float h, float zn, float zf) {
  return MatrixOrthoOffCenterLH(out, -w / 2.0f, w / 2.0f, -h / 2.0f, h / 2.0f, zn, zf);
}

Matrix* MatrixOrthoOffCenterLH(Matrix* out, float l, float r, float b, float t, float zn,
                               float zf) {
  *out = IdentityMatrix();
  out->m[0][0] = 2.0f / (r - l);
  out->m[1][1] = 2.0f / (t - b);
  out->m[2][2] = 1.0f / (zf - zn);
  out->m[3][0] = (l + r) / (l - r);
  out->m[3][1] = (t + b) / (b - t);
  out->m[3][2] = zn / (zn - zf);
  return out;
}

Matrix* MatrixReflect(Matrix* out, const Plane& plane) {
  Plane p;
  PlaneNormalize(&p, plane);
  const float n[4] = {p.a, p.b, p.c, p.d};
  *out = IdentityMatrix();
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 3; ++j) out->m[i][j] -= 2.0f * n[i] * n[j];
  }
  return out;
}

Matrix* MatrixAffine(Matrix* out, const Vec3& scaling, const Quaternion& rotation,
                     const Vec3& translation) {
  Matrix s, r, t;
  MatrixScaling(&s, scaling.x, scaling.y, scaling.z);
  MatrixRotationQuaternion(&r, rotation);
  MatrixTranslation(&t, translation.x, translation.y, translation.z);
  *out = s * r * t;
  return out;
}

// ----------------------------------------------------------------- planes

Plane* PlaneFromPointNormal(Plane* out, const Vec3& point, const Vec3& normal) {
  *out = {normal.x, normal.y, normal.z, -Vec3Dot(point, normal)};
  return out;
}

Plane* PlaneFromPoints(Plane* out, const Vec3& a, const Vec3& b, const Vec3& c) {
  return PlaneFromPointNormal(out, a, Vec3Normalized(Vec3Cross(b - a, c - a)));
}

Plane* PlaneNormalize(Plane* out, const Plane& p) {
  const float len = std::sqrt(p.a * p.a + p.b * p.b + p.c * p.c);
  *out = len == 0.0f ? Plane{} : Plane{p.a / len, p.b / len, p.c / len, p.d / len};
  return out;
}

float PlaneDotCoord(const Plane& p, const Vec3& v) {
  return p.a * v.x + p.b * v.y + p.c * v.z + p.d;
}

float PlaneDotNormal(const Plane& p, const Vec3& v) { return p.a * v.x + p.b * v.y + p.c * v.z; }

Plane* PlaneTransform(Plane* out, const Plane& p, const Matrix& m) {
  Vec4 r;
  Vec4Transform(&r, Vec4{p.a, p.b, p.c, p.d}, m);
  *out = {r.x, r.y, r.z, r.w};
  return out;
}

// ------------------------------------------------------------ quaternions

Quaternion* QuaternionIdentity(Quaternion* out) {
  *out = Quaternion{};
  return out;
}

float QuaternionDot(const Quaternion& a, const Quaternion& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
}

Quaternion* QuaternionNormalize(Quaternion* out, const Quaternion& q) {
  const float len = std::sqrt(QuaternionDot(q, q));
  *out = len == 0.0f ? Quaternion{0, 0, 0, 0}
                     : Quaternion{q.x / len, q.y / len, q.z / len, q.w / len};
  return out;
}

Quaternion* QuaternionRotationAxis(Quaternion* out, const Vec3& axis, float angle) {
  const Vec3 v = Vec3Normalized(axis) * std::sin(angle / 2.0f);
  *out = {v.x, v.y, v.z, std::cos(angle / 2.0f)};
  return out;
}

Quaternion* QuaternionRotationMatrix(Quaternion* out, const Matrix& m) {
  const float(*a)[4] = m.m;
  const float trace = a[0][0] + a[1][1] + a[2][2] + 1.0f;
  Quaternion q;
  if (trace > 1.0f) {
    const float s = 2.0f * std::sqrt(trace);
    q = {(a[1][2] - a[2][1]) / s, (a[2][0] - a[0][2]) / s, (a[0][1] - a[1][0]) / s, 0.25f * s};
  } else if (a[0][0] >= a[1][1] && a[0][0] >= a[2][2]) {
    const float s = 2.0f * std::sqrt(1.0f + a[0][0] - a[1][1] - a[2][2]);
    q = {0.25f * s, (a[0][1] + a[1][0]) / s, (a[0][2] + a[2][0]) / s, (a[1][2] - a[2][1]) / s};
  } else if (a[1][1] >= a[2][2]) {
    const float s = 2.0f * std::sqrt(1.0f + a[1][1] - a[0][0] - a[2][2]);
    q = {(a[0][1] + a[1][0]) / s, 0.25f * s, (a[1][2] + a[2][1]) / s, (a[2][0] - a[0][2]) / s};
  } else {
    const float s = 2.0f * std::sqrt(1.0f + a[2][2] - a[0][0] - a[1][1]);
    q = {(a[0][2] + a[2][0]) / s, (a[1][2] + a[2][1]) / s, 0.25f * s, (a[0][1] - a[1][0]) / s};
  }
  *out = q;
  return out;
}

// Rotation a followed by rotation b, i.e. the product b * a.
Quaternion* QuaternionMultiply(Quaternion* out, const Quaternion& a, const Quaternion& b) {
  const Quaternion r{
      b.w * a.x + b.x * a.w + b.y * a.z - b.z * a.y,
      b.w * a.y - b.x * a.z + b.y * a.w + b.z * a.x,
      b.w * a.z + b.x * a.y - b.y * a.x + b.z * a.w,
      b.w * a.w - b.x * a.x - b.y * a.y - b.z * a.z,
  };
  *out = r;
  return out;
}

Quaternion* QuaternionSlerp(Quaternion* out, const Quaternion& a, const Quaternion& b, float t) {
  float dot = QuaternionDot(a, b);
  float sign = 1.0f;
  // Take the shorter way round.
  if (dot < 0.0f) {
    sign = -1.0f;
    dot = -dot;
  }
  float wa = 1.0f - t;
  float wb = t;
  // Nearly equal rotations fall back to a linear blend, where sin(theta)
  // would lose all precision.
  if (1.0f - dot > 0.001f) {
    const float theta = std::acos(dot);
    const float st = std::sin(theta);
    wa = std::sin(theta * wa) / st;
    wb = std::sin(theta * wb) / st;
  }
  wb *= sign;
  *out = {wa * a.x + wb * b.x, wa * a.y + wb * b.y, wa * a.z + wb * b.z, wa * a.w + wb * b.w};
  return out;
}

// ---------------------------------------------------------------- colours

namespace {

unsigned ColorByte(float v) {
  if (!(v > 0.0f)) return 0;  // also catches NaN
  if (v >= 1.0f) return 0xff;
  return static_cast<unsigned>(v * 255.0f + 0.5f);
}

}  // namespace

unsigned ColorToArgb(const Color& c) {
  return ColorByte(c.a) << 24 | ColorByte(c.r) << 16 | ColorByte(c.g) << 8 | ColorByte(c.b);
}

Color ColorFromArgb(unsigned argb) {
  const auto channel = [argb](int shift) {
    return static_cast<float>((argb >> shift) & 0xffu) / 255.0f;
  };
  return {channel(16), channel(8), channel(0), channel(24)};
}

}  // namespace plat
