#include "gui/core/CGuiMainClass.h"

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/GuiDispatcher.h"
#include "platform/gfx/Device.h"

CGuiMainClass* g_guiMain = nullptr;

CGuiMainClass::CGuiMainClass() { g_guiMain = this; }

CGuiMainClass::~CGuiMainClass() {
  if (g_guiMain == this) g_guiMain = nullptr;
}

void CGuiMainClass::AddLayer(int32_t id, uint8_t active, CGuiElement* root, uint8_t sticky) {
  auto layer = std::make_unique<GuiLayer>();
  layer->id = id;
  layer->root.reset(root);
  layer->active = active;
  layer->sticky = sticky;
  std::lock_guard<std::mutex> lock(m_layerMutex);
  m_layers.push_back(std::move(layer));
}

int32_t CGuiMainClass::GetLayerCount() const {
  std::lock_guard<std::mutex> lock(m_layerMutex);
  return int32_t(m_layers.size());
}

std::vector<GuiLayer*> CGuiMainClass::GetLayers() const {
  std::lock_guard<std::mutex> lock(m_layerMutex);
  std::vector<GuiLayer*> layers;
  layers.reserve(m_layers.size());
  for (const auto& layer : m_layers) layers.push_back(layer.get());
  return layers;
}

CGuiElement* CGuiMainClass::FindElement(int32_t id) const {
  for (GuiLayer* layer : GetLayers()) {
    if (!layer->root) continue;
    if (layer->id == id) return layer->root.get();
    if (CGuiElement* found = layer->root->FindChild(id)) return found;
  }
  return nullptr;
}

bool CGuiMainClass::RouteMessage(const plat::Message* message, uint8_t flag) {
  const std::vector<GuiLayer*> layers = GetLayers();
  for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
    GuiLayer* layer = *it;
    if (layer->active && layer->root && layer->root->HandleMessage(message, flag)) return true;
  }
  return false;
}

void CGuiMainClass::DrawLayers() {
  // GUI quads sit at depth 0.1; whatever the scene left in the depth buffer
  // must not hide them.
  plat::Device* device = EngineDevice();
  const uint32_t depthTest = device ? device->GetRenderState(plat::RenderState::ZEnable) : 0;
  if (device) device->SetRenderState(plat::RenderState::ZEnable, plat::kFalse);
  for (GuiLayer* layer : GetLayers()) {
    if (layer->active && layer->root) layer->root->Draw();
  }
  if (device) device->SetRenderState(plat::RenderState::ZEnable, depthTest);
}

void CGuiMainClass::UpdateLayers() {
  for (GuiLayer* layer : GetLayers()) {
    if (layer->active && layer->root) layer->root->Update();
  }
}

void CGuiMainClass::SetLayerActive(int32_t id, uint8_t active) {
  for (GuiLayer* layer : GetLayers()) {
    if (layer->id == id) {
      layer->active = active;
      return;
    }
  }
}

void CGuiMainClass::DeactivateLayers(uint8_t force) {
  for (GuiLayer* layer : GetLayers()) {
    if (force == 1 || layer->sticky == 0) layer->active = 0;
  }
}

void CGuiMainClass::LoadStringTable(const EngineString& path) { m_texts.Load(path); }

EngineString CGuiMainClass::GetText(int32_t id) { return m_texts.Get(id); }

void CGuiMainClass::PostCommand(int32_t sender, int32_t target, int32_t code, int32_t control, int32_t parameter) {
  m_commands.Post(GuiCommand{sender, target, code, control, parameter, 0});
}

bool CGuiMainClass::ExecuteCommand(GuiCommand* command) {
  if (command) GuiDispatcher(*this).Execute(*command);
  return true;
}

void CGuiMainClass::RunCommandPass(const std::function<void(GuiCommand*)>& mainHandler) {
  const std::size_t count = m_commands.Size();
  for (std::size_t i = 0; i < count; ++i) {
    GuiCommand* command = m_commands.At(i);
    if (!command) break;
    if (mainHandler) mainHandler(command);
    ExecuteCommand(command);
  }
}

void CGuiMainClass::RemoveDoneCommands() { m_commands.RemoveConsumed(); }
