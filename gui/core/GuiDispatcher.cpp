#include "gui/core/GuiDispatcher.h"

#include "gui/core/CGuiMainClass.h"

GuiDispatcher::GuiDispatcher(CGuiMainClass& gui) : m_gui(gui), m_layers(gui.GetLayers()) {}

int32_t GuiDispatcher::SenderOrTarget(const GuiCommand& command) {
  return command.sender != -1 ? command.sender : command.target;
}

bool GuiDispatcher::IsTopLevel(const CGuiElement& element) {
  return element.record && element.record->parent == nullptr;
}

GuiDispatcher::Hit GuiDispatcher::Find(int32_t id, Scope scope, bool matchRoots) const {
  if (id == -1) return {};
  for (GuiLayer* layer : m_layers) {
    if (!layer->root || (scope == Scope::ActiveLayers && !layer->active)) continue;
    if (matchRoots && layer->id == id) return {layer, layer->root.get()};
    if (CGuiElement* found = layer->root->FindChild(id)) return {layer, found};
  }
  return {};
}

void GuiDispatcher::Execute(GuiCommand& command) {
  if (command.sender == -1 && command.target == -1) {
    command.done = 1;
    return;
  }
  switch (command.code) {
    case kCmdActivate:
      Activate(command);
      break;
    case kCmdDisable:
      ToElement(command, SenderOrTarget(command), Scope::AnyLayer);
      break;
    case kCmdShow:
      ToElement(command, command.target, Scope::AnyLayer);
      break;
    case kCmdHide:
    case kCmdClosePage:
      HidePage(command);
      break;
    case kCmdOpenPage:
      m_gui.DeactivateLayers(0);
      OpenPage(command, true, false);
      break;
    case kCmdOpenPageForced:
      m_gui.DeactivateLayers(1);
      OpenPage(command, true, false);
      break;
    case kCmdShowPage:
      OpenPage(command, false, false);
      break;
    case kCmdOpenWindow:
      OpenPage(command, false, true);
      break;
    case kCmdSelect:
      Select(command);
      break;
    case kCmdLeftDown:
    case kCmdClick:
      NotifyAll(command);
      break;
    case kCmdDoubleClick:
    case kCmdRightDown:
    case kCmdRightClick:
    case kCmdRightDoubleClick:
      NotifyFirst(command);
      break;
    case kCmdScrollUp:
    case kCmdScrollDown:
    case kCmd18:
    case kCmdScrollTo:
      ToElement(command, command.target, Scope::ActiveLayers);
      break;
    case kCmd20:
      ToElement(command, command.target, Scope::AnyLayer);
      break;
    case kCmdGainFocus:
      GainFocus(command);
      break;
    case kCmdLoseFocus:
      ToElement(command, command.target, Scope::AnyLayer);
      if (command.target == m_gui.GetFocusedId()) m_gui.SetFocusedId(-1);
      break;
    case kCmd23:
      ToElement(command, command.sender, Scope::ActiveLayers);
      break;
    default:
      // 24 and 25 belong to the handlers before the dispatcher; other codes
      // mean nothing.
      break;
  }
}

void GuiDispatcher::Activate(GuiCommand& command) {
  // Search first: an id that is nowhere must not disable any layer.
  const Hit hit = Find(SenderOrTarget(command), Scope::AnyLayer, true);
  if (!hit.element) return;
  for (GuiLayer* layer : m_layers) {
    if (layer->root) layer->root->Disable(&command);
    if (layer == hit.layer) break;
  }
  hit.element->Enable(&command);
  if (command.sender != -1) hit.layer->root->BringChildToFront(hit.element);
  command.done = 1;
}

void GuiDispatcher::HidePage(GuiCommand& command) {
  if (command.target == -1) return;
  CGuiElement* page = m_gui.FindElement(command.target);
  if (!page) return;
  page->Hide(&command);
  if (IsTopLevel(*page)) m_gui.SetLayerActive(command.target, 0);
  command.done = 1;
}

void GuiDispatcher::OpenPage(GuiCommand& command, bool hideControlParent, bool deactivateAfterShow) {
  if (command.target == -1 || command.control == -1) return;
  CGuiElement* control = nullptr;
  for (GuiLayer* layer : m_layers) {
    if (layer->root) control = layer->root->FindChild(command.control);
    if (control) break;
  }
  CGuiElement* page = control ? m_gui.FindElement(command.target) : nullptr;
  if (!page) return;
  if (hideControlParent && control->record && control->record->parent) {
    control->record->parent->Hide(nullptr);
    control->record->parent->Disable(nullptr);
  }
  page->Show(&command);
  page->Enable(&command);
  if (IsTopLevel(*page)) {
    if (deactivateAfterShow) m_gui.DeactivateLayers(0);
    m_gui.SetLayerActive(command.target, 1);
  }
  command.done = 1;
}

void GuiDispatcher::Select(GuiCommand& command) {
  if (command.sender != -1) {
    const Hit hit = Find(command.sender, Scope::ActiveLayers);
    if (!hit.element) return;
    hit.element->OnSelect(nullptr);
  } else {
    const Hit hit = Find(command.target, Scope::ActiveLayers);
    if (!hit.element) return;
    hit.element->OnSelect(&command);
  }
  command.done = 1;
}

void GuiDispatcher::Notify(CGuiElement& element, GuiCommand& command) {
  switch (command.code) {
    case kCmdLeftDown:
      element.OnLeftDown(&command);
      break;
    case kCmdClick:
      element.OnClick(&command);
      break;
    case kCmdDoubleClick:
      element.OnDoubleClick(&command);
      break;
    case kCmdRightDown:
      element.OnRightDown(&command);
      break;
    case kCmdRightClick:
      element.OnRightClick(&command);
      break;
    case kCmdRightDoubleClick:
      element.OnRightDoubleClick(&command);
      break;
    case kCmdScrollUp:
      element.ScrollUp(&command);
      break;
    case kCmdScrollDown:
      element.ScrollDown(&command);
      break;
    case kCmd18:
      element.OnCommand18(&command);
      break;
    case kCmdScrollTo:
      element.ScrollTo(&command);
      break;
    case kCmd20:
      element.OnCommand20(&command);
      break;
    case kCmdGainFocus:
      element.OnGainFocus(&command);
      break;
    case kCmdLoseFocus:
      element.OnLoseFocus(&command);
      break;
    case kCmd23:
      element.OnCommand23(&command);
      break;
    case kCmdDisable:
      element.Disable(&command);
      break;
    case kCmdShow:
      element.Show(&command);
      break;
    default:
      break;
  }
}

void GuiDispatcher::NotifyAll(GuiCommand& command) {
  const bool broadcast = command.target == -1;
  if (!broadcast && command.sender == -1) return;
  bool reached = false;
  for (GuiLayer* layer : m_layers) {
    if (!layer->active || !layer->root) continue;
    CGuiElement* element = broadcast ? layer->root.get() : layer->root->FindChild(command.sender);
    if (!element) continue;
    Notify(*element, command);
    reached = true;
  }
  if (reached) command.done = 1;
}

void GuiDispatcher::NotifyFirst(GuiCommand& command) {
  const bool broadcast = command.target == -1;
  if (!broadcast && command.sender == -1) return;
  for (GuiLayer* layer : m_layers) {
    if (!layer->active || !layer->root) continue;
    CGuiElement* element = broadcast ? layer->root.get() : layer->root->FindChild(command.sender);
    if (!element) continue;
    Notify(*element, command);
    command.done = 1;
    return;
  }
}

void GuiDispatcher::GainFocus(GuiCommand& command) {
  const int32_t previous = m_gui.GetFocusedId();
  ToElement(command, command.target, Scope::AnyLayer);
  // Only an element that took the command (it clears the sender) has the focus.
  if (!command.done || command.sender != -1) return;
  if (previous != -1 && previous != command.target) {
    GuiCommand lose;
    lose.sender = previous;
    lose.target = previous;
    lose.code = kCmdLoseFocus;
    ToElement(lose, previous, Scope::AnyLayer);
  }
  m_gui.SetFocusedId(command.target);
}

void GuiDispatcher::ToElement(GuiCommand& command, int32_t id, Scope scope) {
  // Show also reaches a top-level page by its layer's id.
  const Hit hit = Find(id, scope, command.code == kCmdShow);
  if (!hit.element) return;
  Notify(*hit.element, command);
  command.done = 1;
}
