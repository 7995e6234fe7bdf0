// The overlay of the main pass: the characters and the birds near the
// camera, fog, particles, the lens flares, the GUI and the mouse cursor.
#include <cmath>
#include <iterator>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "engine/core/Globals.h"
#include "engine/input/ZOdevuvInput.h"
#include "engine/particles/ZOdevuvParticleManager.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "engine/render/ZOdevuvTexture.h"
#include "park/CBillboardIcon.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "world/CAnimals.h"

namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;
constexpr float kOverlayDepth = 0.1f;
// The cursor images of the three shapes: arrow, magnifier, second cursor.
constexpr int kCursorImageOfShape[] = {0, 2, 1};
// A sun that projects this close to the centre gives no direction for the
// flares.
constexpr float kFlareMinLength = 0.5f;

// The seven flares: texture, size factor, distance factor along the line
// from the screen centre to the sun.
struct Flare {
  int texture;
  float size;
  float distance;
};
constexpr Flare kFlares[] = {{0, 1.0f, 1.0f},    {1, 0.5f, 0.5f},   {2, 0.25f, 1.0f / 3.0f},
                             {3, 1.0f, 0.125f},  {4, 0.5f, -0.5f},  {3, 0.25f, -0.25f},
                             {4, 0.25f, -1.0f / 5.5f}};

plat::Device* LiveDevice() { return g_device ? g_device->GetDevice() : nullptr; }

uint32_t ColourChannel(float value, int shift) { return (uint32_t(int32_t(value)) & 0xFF) << shift; }

}  // namespace

void VAvazadOvurUrovi::UpdateAmbience(float seconds, bool nested) {
  plat::Device* device = LiveDevice();
  device->SetTransform(plat::TransformType::Projection, projection);
  if (CPorvikAiClass* manager = GetAiManager()) manager->DrawCharacters(seconds);
  RenderAnimals(birds, animalsEnabled != 0, seconds);
  if (!nested) RenderBillboards();
  if (!nested) UpdateRainRamps();
  device->SetRenderState(plat::RenderState::ZEnable, plat::kTrue);
  device->SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  if (fogEnabled) ApplyFog();
  device->SetRenderState(plat::RenderState::ZEnable, plat::kFalse);
  device->SetRenderState(plat::RenderState::Lighting, plat::kTrue);
  if (particlesEnabled && g_particleManager) g_particleManager->RenderAll();
  if (!nested && !IsSkyOvercast()) RenderLensFlares();
  device->SetRenderState(plat::RenderState::ZEnable, plat::kFalse);
  if (!nested) {
    DrawLayers();
    MoveCursorWithMouse();
    DrawCursor();
  }
  device->SetRenderState(plat::RenderState::SlopeScaleDepthBias, 0);
  device->SetRenderState(plat::RenderState::DepthBias, 0);
}

void VAvazadOvurUrovi::RenderBillboards() {
  for (BillboardEntry& entry : billboards) {
    if (!entry.icon) continue;
    entry.icon->ProjectToScreen();
    entry.icon->Render();
  }
}

void VAvazadOvurUrovi::ApplyFog() {
  plat::Device* device = LiveDevice();
  device->SetRenderState(plat::RenderState::FogEnable, plat::kTrue);
  const uint32_t colour = ColourChannel(ambienceLevel, 24) | ColourChannel(ambienceColour[0], 16) |
                          ColourChannel(ambienceColour[1], 8) | ColourChannel(ambienceColour[2], 0);
  device->SetRenderState(plat::RenderState::FogColor, colour);
  if (linearFog) {
    device->SetRenderState(plat::RenderState::FogTableMode, plat::FogMode::Linear);
    device->SetRenderState(plat::RenderState::FogStart, plat::FloatBits(fogStart));
    device->SetRenderState(plat::RenderState::FogEnd, plat::FloatBits(fogEnd));
  } else {
    device->SetRenderState(plat::RenderState::FogTableMode, plat::FogMode::Exp);
    device->SetRenderState(plat::RenderState::FogDensity, plat::FloatBits(fogDensity));
  }
}

void VAvazadOvurUrovi::RenderLensFlares() {
  plat::Device* device = LiveDevice();
  ZOdevuvLightRecord sun;
  if (!g_camera || !g_lights || !g_lights->GetLightRecord(0, &sun) || !lensFlareTextures[0]) return;
  plat::Vec3 look{};
  g_camera->GetLook(&look);
  if (plat::Vec3Dot(plat::Vec3Normalized(sun.light.position), look) < 0.0f) return;
  plat::Matrix view;
  g_camera->GetViewMatrix(&view);
  plat::Vec3 projected{};
  const plat::Viewport viewport = device->GetViewport();
  plat::Vec3Project(&projected, sun.light.position, viewport, device->GetTransform(plat::TransformType::Projection),
                    view, device->GetTransform(plat::TransformType::World));
  const float centreX = float(viewport.width) / 2.0f;
  const float centreY = float(viewport.height) / 2.0f;
  const float dx = projected.x - centreX;
  const float dy = projected.y - centreY;
  const float length = std::sqrt(dx * dx + dy * dy);
  // The sun on the centre gives the flares no line to lie on.
  if (length < kFlareMinLength) return;
  const int32_t firstWidth = lensFlareTextures[0]->GetWidth();
  const int32_t firstHeight = lensFlareTextures[0]->GetHeight();
  for (const Flare& flare : kFlares) {
    ZOdevuvTexture* texture = lensFlareTextures[flare.texture];
    if (!texture) continue;
    const int32_t width = int32_t(float(texture->GetWidth()) * flare.size);
    const int32_t height = int32_t(float(texture->GetHeight()) * flare.size);
    const float x = centreX + dx / length * flare.distance * length + float(firstWidth - width) / 2.0f;
    const float y = centreY + dy / length * flare.distance * length + float(firstHeight - height) / 2.0f;
    texture->DrawAdditive(int32_t(x), int32_t(y), width, height, kOpaqueWhite, kOverlayDepth);
  }
}

void VAvazadOvurUrovi::MoveCursorWithMouse() {
  // The one cursor the clicks are made with: the mouse is read once for
  // both (a second read in the frame sees no movement).
  const ScreenPoint at = ClampScreenPosition();
  cursorX = at.x;
  cursorY = at.y;
}

void VAvazadOvurUrovi::DrawCursor() {
  const int shape = cursorShape >= 0 && cursorShape < int32_t(std::size(kCursorImageOfShape)) ? cursorShape : 0;
  ZOdevuvTexture* image = cursorImages[kCursorImageOfShape[shape]];
  if (image) image->DrawQuad(cursorX, cursorY, kOpaqueWhite, kOverlayDepth);
}
