#pragma once
// Plays the application's part for the loaded GUI until the main object
// exists: it keeps the click actions the loader registers and, as the main
// command handler, fires the first action of a clicking or selecting sender.
#include <cstdint>
#include <functional>
#include <vector>

#include "gui/core/CGuiMainClass.h"
#include "gui/core/GuiCommand.h"
#include "gui/loader/GuiAction.h"

namespace guitest {

class GuiActionHarness : public GuiActionSink {
 public:
  explicit GuiActionHarness(CGuiMainClass& gui) : m_gui(gui) {}

  void QueueRecord20(GuiAction action) override { actions.push_back(action); }

  // Only the first action of a sender fires; the command is consumed.
  void Execute(GuiCommand* command) {
    if (command->code != kCmdClick && command->code != kCmdSelect) return;
    for (const GuiAction& action : actions) {
      if (action.sender != command->sender) continue;
      m_gui.PostCommand(-1, action.target, action.code, action.control, action.parameter);
      command->sender = -1;
      return;
    }
  }

  std::function<void(GuiCommand*)> Handler() {
    return [this](GuiCommand* command) { Execute(command); };
  }

  std::vector<GuiAction> actions;

 private:
  CGuiMainClass& m_gui;
};

}  // namespace guitest
