#include "engine/particles/SparkleSystem.h"

SparkleSystem::SparkleSystem(const plat::Vec3& origin_, float dirX, float dirY, float dirZ, float speed_,
                             bool gravity_, bool randomColor)
    : direction{dirX, dirY, dirZ}, speed(speed_), gravity(gravity_) {
  origin = origin_;
  pointSize = 0.2f;
  coloring.randomColor = randomColor;
}

void SparkleSystem::SetColor(float red, float green, float blue, float alpha) {
  coloring.color = plat::Color{red, green, blue, alpha};
}

void SparkleSystem::PostRender() { PostRenderWith(ParticleRestore::LitAndBlendOff); }
