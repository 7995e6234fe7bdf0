#pragma once
// The park's water: one flat square over the whole land, shaded by the
// "Water2" effect. Two scrolling noise maps ripple the reflection and
// refraction images (or the still images that stand in for them while
// those passes are off) and light 0 puts a highlight on it.
#include <cstdint>
#include <memory>

#include "platform/math/Types.h"

namespace plat {
class Texture;
class VertexDeclaration;
}  // namespace plat

class CWaterSurface {
 public:
  static constexpr float kHeight = -0.5f;
  static constexpr float kHalfSide = 500.0f;
  // How often the water's images repeat over the square.
  static constexpr float kTextureRepeat = 10.0f;
  // The noise phase moves this far a frame and starts again at 1.
  static constexpr float kPhaseStep = 0.001f;
  static constexpr float kPhaseEnd = 1.0f;

  // The water's texture files (game paths), in the main object's order:
  // the refraction and reflection stand-bys, the two noise normal maps and
  // the two noise distortion maps. Each name ends in a blank; the path
  // resolver drops it.
  static constexpr int kTextureCount = 6;
  static constexpr const char* kTextureFiles[kTextureCount] = {
      "images\\water\\water_001.dds ",
      "images\\water\\skyDomeTex_01.DDS ",
      "images\\water\\noise_6_detail5_2x5pxblur_normals.tga ",
      "images\\water\\noise_8_detail5_6x5pxblur_normals.tga ",
      "images\\water\\noise_6_detail5_5x5pxblur_dudv.tga ",
      "images\\water\\noise_8_detail5_2x8pxblur_dudv.tga "};

  struct Images {
    std::shared_ptr<plat::Texture> refraction;
    std::shared_ptr<plat::Texture> reflection;
    std::shared_ptr<plat::Texture> noise1Normals;
    std::shared_ptr<plat::Texture> noise2Normals;
    std::shared_ptr<plat::Texture> noise1Dudv;
    std::shared_ptr<plat::Texture> noise2Dudv;
  };

  // Draws the square with the device's current transforms. Nothing without
  // the effect or any of the four noise maps; the phase then stays.
  void Render(const Images& images);
  float GetPhase() const { return m_phase; }

 private:
  // Below the end the phase steps on; at it, it starts again at 0.
  void AdvancePhase();

  std::shared_ptr<plat::VertexDeclaration> m_declaration;
  float m_phase = 0.0f;
};
