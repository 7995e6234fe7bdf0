#pragma once
// Small helpers the widget tests share on top of the GUI test kit.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/render/ZOdevuvTexture.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/DeviceRecord.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace widgettest {

inline std::vector<GuiCommand> Queued(guitest::GuiTestKit& kit) { return kit.Gui().GetCommandQueue().Snapshot(); }

// The queued commands of one code.
inline std::vector<GuiCommand> QueuedWithCode(guitest::GuiTestKit& kit, int32_t code) {
  std::vector<GuiCommand> found;
  for (const GuiCommand& command : Queued(kit)) {
    if (command.code == code) found.push_back(command);
  }
  return found;
}

// Draws one element inside a scene with the device recording, and hands
// back what was drawn.
struct Drawn {
  std::vector<plat::DrawRecord> quads;
  std::vector<plat::TextRecord> texts;

  const plat::TextRecord* Text(const std::string& text) const {
    for (const plat::TextRecord& record : texts) {
      if (record.text == text) return &record;
    }
    return nullptr;
  }
  // The quads drawn with that texture's image.
  std::vector<plat::DrawRecord> QuadsOf(const ZOdevuvTexture* texture) const {
    std::vector<plat::DrawRecord> found;
    for (const plat::DrawRecord& quad : quads) {
      if (texture && !quad.textures.empty() && quad.textures[0] == texture->GetTexture()) found.push_back(quad);
    }
    return found;
  }
};

inline Drawn DrawOnce(guitest::GuiTestKit& kit, CGuiElement& element) {
  plat::Device& device = kit.Device();
  device.Record().Clear();
  device.Record().Enable(true);
  device.BeginScene();
  element.Draw();
  device.EndScene();
  device.Record().Enable(false);
  Drawn drawn{device.Record().Draws(), device.Record().Texts()};
  device.Record().Clear();
  return drawn;
}

// A quad's corner in whole pixels (quads are shifted by half a pixel).
inline int32_t QuadLeft(const plat::DrawRecord& quad) {
  return int32_t(quad.Read<float>(0, 0) + 0.5f);
}
inline int32_t QuadTop(const plat::DrawRecord& quad) { return int32_t(quad.Read<float>(0, 4) + 0.5f); }
inline int32_t QuadWidth(const plat::DrawRecord& quad) {
  return int32_t(quad.Read<float>(2, 0) - quad.Read<float>(0, 0) + 0.5f);
}
inline int32_t QuadHeight(const plat::DrawRecord& quad) {
  return int32_t(quad.Read<float>(2, 4) - quad.Read<float>(0, 4) + 0.5f);
}

// A left click at a point: pressed in one frame, released in the next.
inline void ClickAt(guitest::GuiTestKit& kit, int32_t x, int32_t y) {
  kit.mouse.x = x;
  kit.mouse.y = y;
  kit.mouse.left = true;
  kit.RunFrame();
  kit.mouse.left = false;
  kit.RunFrame();
}

// The pointer first rests on the point for a frame (so hover states are
// set), then clicks, then one more frame draws the result.
inline void HoverAndClick(guitest::GuiTestKit& kit, int32_t x, int32_t y) {
  kit.mouse.x = x;
  kit.mouse.y = y;
  kit.RunFrame();
  ClickAt(kit, x, y);
  kit.RunFrame();
}

inline GuiCommand Command(int32_t sender, int32_t target, int32_t code, int32_t control = 0) {
  GuiCommand command;
  command.sender = sender;
  command.target = target;
  command.code = code;
  command.control = control;
  return command;
}

}  // namespace widgettest
