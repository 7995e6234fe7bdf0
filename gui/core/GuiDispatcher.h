#pragma once
// Carries out one GUI command on the GUI manager's layers: page and element
// switching (codes 0 to 9), mouse notifications (10 to 15), scrolling and
// focus (16 to 23). A command that finds what it names is marked done; one
// that does not stays queued for the next pass, so it may name an element
// that is created later.
#include <cstdint>
#include <vector>

#include "gui/core/GuiCommand.h"
#include "gui/core/GuiLayer.h"

class CGuiElement;
class CGuiMainClass;

class GuiDispatcher {
 public:
  explicit GuiDispatcher(CGuiMainClass& gui);

  void Execute(GuiCommand& command);

 private:
  enum class Scope { AnyLayer, ActiveLayers };
  struct Hit {
    GuiLayer* layer = nullptr;
    CGuiElement* element = nullptr;
  };

  // The first element of that id below a layer root (roots themselves match
  // only with matchRoots, by the layer's id).
  Hit Find(int32_t id, Scope scope, bool matchRoots = false) const;
  // The command's sender, or its target when the sender is -1.
  static int32_t SenderOrTarget(const GuiCommand& command);

  void Activate(GuiCommand& command);
  void HidePage(GuiCommand& command);
  // Codes 4, 5, 6 and 9.
  void OpenPage(GuiCommand& command, bool hideControlParent, bool deactivateAfterShow);
  void Select(GuiCommand& command);
  // Codes 10 and 11: to every active root, or to the sender in every active
  // layer that holds it.
  void NotifyAll(GuiCommand& command);
  // Codes 12 to 15: the first active root, or the sender's first layer.
  void NotifyFirst(GuiCommand& command);
  // Code 21: to the target, which takes the focus from the element that
  // held it.
  void GainFocus(GuiCommand& command);
  // Codes 16 to 23: one element looked up by id.
  void ToElement(GuiCommand& command, int32_t id, Scope scope);
  static void Notify(CGuiElement& element, GuiCommand& command);
  static bool IsTopLevel(const CGuiElement& element);

  CGuiMainClass& m_gui;
  std::vector<GuiLayer*> m_layers;
};
