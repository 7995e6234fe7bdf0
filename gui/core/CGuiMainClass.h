#pragma once
// The root of the GUI: the layers (top-level element trees; later layers lie
// on top, so they are drawn last and asked for input first), the queue of
// GUI commands with its dispatcher, and the text table. There is one GUI
// manager (the application's main object derives from it); its address is
// kept in g_guiMain, through which the widgets post commands and look up
// texts.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"
#include "gui/core/GuiCommand.h"
#include "gui/core/GuiCommandQueue.h"
#include "gui/core/GuiLayer.h"
#include "gui/core/GuiTextTable.h"
#include "platform/os/Window.h"

class CGuiMainClass {
 public:
  // Stores itself in g_guiMain; the destructor clears it again.
  CGuiMainClass();
  virtual ~CGuiMainClass();
  CGuiMainClass(const CGuiMainClass&) = delete;
  CGuiMainClass& operator=(const CGuiMainClass&) = delete;

  // Takes ownership of the root and puts the layer on top. Safe from the
  // loading thread: the layer is published whole, so build the tree first.
  void AddLayer(int32_t id, uint8_t active, CGuiElement* root, uint8_t sticky);
  int32_t GetLayerCount() const;
  // The layers in order, bottom first. Layers are never removed, so the
  // pointers stay valid for the manager's life.
  std::vector<GuiLayer*> GetLayers() const;

  // Through every layer, active or not: a layer's id gives its root, else
  // the root's descendants are searched. The first hit wins.
  CGuiElement* FindElement(int32_t id) const;
  // Offers the message to the roots of the active layers from the top down;
  // true when one took it.
  bool RouteMessage(const plat::Message* message, uint8_t flag);
  // The active layers bottom first, with the depth test off.
  void DrawLayers();
  void UpdateLayers();
  void SetLayerActive(int32_t id, uint8_t active);
  // Every layer that is not sticky becomes inactive; with force 1 all do.
  void DeactivateLayers(uint8_t force);

  void LoadStringTable(const EngineString& path);
  // A copy of the text; an id not in the table gives an empty text (and is
  // entered with it).
  EngineString GetText(int32_t id);
  GuiTextTable& GetTextTable() { return m_texts; }

  // Thread-safe.
  void PostCommand(int32_t sender, int32_t target, int32_t code, int32_t control, int32_t parameter);
  // The dispatcher: shows, hides, enables and activates pages and elements
  // and forwards notifications to element operations. Always true.
  bool ExecuteCommand(GuiCommand* command);

  // The per-frame command pass: each command queued at its start goes to the
  // main handler (when given) and then to ExecuteCommand, in queue order;
  // commands posted meanwhile wait for the next pass.
  void RunCommandPass(const std::function<void(GuiCommand*)>& mainHandler);
  // Frees the commands that were consumed; the others keep their order.
  void RemoveDoneCommands();
  GuiCommandQueue& GetCommandQueue() { return m_commands; }

  // The one element that holds the keyboard focus (-1: none). The
  // dispatcher keeps it, so that focusing one element takes the focus from
  // the one before, wherever that is.
  int32_t GetFocusedId() const { return m_focusedId; }
  void SetFocusedId(int32_t id) { m_focusedId = id; }

 private:
  mutable std::mutex m_layerMutex;
  std::vector<std::unique_ptr<GuiLayer>> m_layers;
  GuiCommandQueue m_commands;
  GuiTextTable m_texts;
  int32_t m_focusedId = -1;
};

extern CGuiMainClass* g_guiMain;
