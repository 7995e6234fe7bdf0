#pragma once
// A small skinned .X model for the model and animation tests: frames Root
// (moved 10 along x), Bone1 below it (turned 90 degrees about z, at 1,2,3)
// and Bone2 below Bone1 (at 0,1,5); a quad in Root skinned to both bones;
// the sets "walk" (Bone1 by matrix keys, 1 s) and "idle" (Bone2 by
// translation and rotation keys, 0.5 s) at 100 ticks per second.
#include <gtest/gtest.h>

#include <string>

#include "platform/math/Math.h"

namespace xfixture {

struct Options {
  bool skin = true;
  bool animation = true;
  std::string secondBone = "Bone2";  // the frame the second skin bone names
  bool smallMesh = false;  // a second skinned mesh in Bone2, on Bone1 only
};

inline std::string ModelText(const Options& options = {}) {
  std::string x =
      "xof 0303txt 0032\n"
      "Frame Root {\n"
      " FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 10.0,0.0,0.0,1.0;; }\n"
      " Frame Bone1 {\n"
      "  FrameTransformMatrix { 0.0,1.0,0.0,0.0, -1.0,0.0,0.0,0.0, 0.0,0.0,1.0,0.0, 1.0,2.0,3.0,1.0;; }\n"
      "  Frame Bone2 {\n"
      "   FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,1.0,5.0,1.0;; }\n" +
      std::string(options.smallMesh
                      ? "   Mesh Small { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 1.0;1.0;0.0;; 1; 3;0,1,2;;\n"
                        "    XSkinMeshHeader { 1; 3; 1; }\n"
                        "    SkinWeights { \"Bone1\"; 3; 0,1,2; 1.0,1.0,1.0; 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, "
                        "0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0;; }\n"
                        "   }\n"
                      : "") +
      "  }\n"
      " }\n"
      " Mesh Quad {\n"
      "  4;\n"
      "  0.0;0.0;0.0;, 1.0;0.0;0.0;, 1.0;1.0;0.0;, 0.0;1.0;0.0;;\n"
      "  1;\n"
      "  4;0,1,2,3;;\n"
      "  MeshNormals { 1; 0.0;0.0;-1.0;; 1; 4;0,0,0,0;; }\n"
      "  MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.0;0.25;; }\n"
      "  MeshMaterialList { 1; 1; 0;; Material { 1.0;0.5;0.25;1.0;; 12.0; 0.1;0.2;0.3;; "
      "0.0;0.0;0.0;; TextureFilename { \"quad.png\"; } } }\n";
  if (options.skin) {
    x += "  XSkinMeshHeader { 2; 4; 2; }\n"
         "  SkinWeights { \"Bone1\"; 4; 0,1,2,3; 1.0,0.75,0.5,0.25; 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, "
         "0.0,0.0,1.0,0.0, -1.0,-2.0,-3.0,1.0;; }\n"
         "  SkinWeights { \"" + options.secondBone + "\"; 3; 1,2,3; 0.25,0.5,0.75; 1.0,0.0,0.0,0.0, "
         "0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,-7.0,1.0;; }\n";
  }
  x += " }\n"
       "}\n";
  if (options.animation) {
    x += "AnimTicksPerSecond { 100; }\n"
         "AnimationSet walk {\n"
         " Animation { {Bone1}\n"
         "  AnimationKey { 4; 2;\n"
         "   0;16;1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 1.0,2.0,3.0,1.0;;,\n"
         "   100;16;0.0,1.0,0.0,0.0, -1.0,0.0,0.0,0.0, 0.0,0.0,1.0,0.0, 5.0,6.0,7.0,1.0;;;\n"
         "  }\n"
         " }\n"
         "}\n"
         "AnimationSet idle {\n"
         " Animation { {Bone2}\n"
         "  AnimationKey { 2; 2; 0;3;0.0,1.0,5.0;;, 50;3;0.0,3.0,5.0;;; }\n"
         "  AnimationKey { 0; 2; 0;4;1.0,0.0,0.0,0.0;;, 50;4;1.0,0.0,0.0,0.0;;; }\n"
         " }\n"
         "}\n";
  }
  return x;
}

inline plat::Matrix Translation(float x, float y, float z) {
  plat::Matrix m;
  plat::MatrixTranslation(&m, x, y, z);
  return m;
}

// Bone1 as the file places it: 90 degrees about z, then moved to (x, y, z).
inline plat::Matrix TurnedAndMoved(float angle, float x, float y, float z) {
  plat::Matrix r;
  plat::MatrixRotationZ(&r, angle);
  return r * Translation(x, y, z);
}

inline void ExpectMatrixNear(const plat::Matrix& actual, const plat::Matrix& expected,
                             float tolerance = 1e-4f) {
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      EXPECT_NEAR(actual.m[r][c], expected.m[r][c], tolerance) << "row " << r << " col " << c;
    }
  }
}

}  // namespace xfixture
