#pragma once
// Vector, matrix, plane, colour and quaternion types as the game's data and
// effects lay them out: floats only, row vectors, matrices stored row
// by row with the translation in the fourth row (m[3][0..2]).
namespace plat {

struct Vec2 {
  float x = 0, y = 0;
};

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

struct Vec4 {
  float x = 0, y = 0, z = 0, w = 0;
};

struct Quaternion {
  float x = 0, y = 0, z = 0, w = 1;
};

// ax + by + cz + d = 0
struct Plane {
  float a = 0, b = 0, c = 0, d = 0;
};

// Components 0..1 (not clamped), in the order r, g, b, a.
struct Color {
  float r = 0, g = 0, b = 0, a = 0;
};

struct Matrix {
  float m[4][4] = {};
  float& operator()(int row, int col) { return m[row][col]; }
  float operator()(int row, int col) const { return m[row][col]; }
};

struct Viewport {
  unsigned x = 0, y = 0, width = 0, height = 0;
  float minZ = 0, maxZ = 1;
};

}  // namespace plat
