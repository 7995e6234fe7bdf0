// The water of the main pass, with the main object's water textures and
// its two water images.
#include "app/VAvazadOvurUrovi.h"
#include "engine/render/ZOdevuvTexture.h"

namespace {

// The order of the water textures (CWaterSurface::kTextureFiles).
enum WaterTexture { kRefractionStandBy, kReflectionStandBy, kNoise1Normals, kNoise2Normals, kNoise1Dudv, kNoise2Dudv };

std::shared_ptr<plat::Texture> TextureOf(const ZOdevuvTexture* texture) {
  return texture ? texture->GetTexture() : nullptr;
}

}  // namespace

void VAvazadOvurUrovi::RenderWater() {
  CWaterSurface::Images images;
  images.refraction = TextureOf(refractionEnabled ? refractionTarget : waterTextures[kRefractionStandBy]);
  images.reflection = TextureOf(reflectionEnabled ? reflectionTarget : waterTextures[kReflectionStandBy]);
  images.noise1Normals = TextureOf(waterTextures[kNoise1Normals]);
  images.noise2Normals = TextureOf(waterTextures[kNoise2Normals]);
  images.noise1Dudv = TextureOf(waterTextures[kNoise1Dudv]);
  images.noise2Dudv = TextureOf(waterTextures[kNoise2Dudv]);
  water.Render(images);
}
