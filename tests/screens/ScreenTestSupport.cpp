#include "tests/screens/ScreenTestSupport.h"

#include <algorithm>
#include <filesystem>

#include "engine/core/XmlNode.h"
#include "gui/loader/CGuiXmlLoader.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Path.h"

namespace screentest {

DebugCapture::DebugCapture() {
  plat::SetDebugOutputSink([this](std::string_view text) { lines.emplace_back(text); });
}

DebugCapture::~DebugCapture() { plat::SetDebugOutputSink({}); }

bool DebugCapture::Contains(const std::string& piece) const {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(piece) != std::string::npos; });
}

namespace {

CGuiElement* Page(guitest::GuiTestKit& kit, int32_t id, bool shown = false) {
  CGuiElement* page = kit.Add(nullptr, id, 100, 100, 600, 400);
  if (!shown) page->Hide(nullptr);
  return page;
}

}  // namespace

namespace {

class NoActions : public GuiActionSink {
 public:
  void QueueRecord20(GuiAction) override {}
};

}  // namespace

void LoadDemoGui(CGuiMainClass& gui, const std::string& description) {
  namespace fs = std::filesystem;
  const fs::path previous = fs::current_path();
  fs::current_path(HALVENOR_PARK_DIR);
  plat::ClearPathCache();
  NoActions actions;
  CGuiXmlLoader loader(&actions, &gui);
  if (description.empty()) {
    loader.Load();
  } else {
    const EngineString folder = EngineString(HALVENOR_PARK_DIR) + "\\guifiles\\";
    loader.SetWorkingDirectory(HALVENOR_PARK_DIR);
    loader.ReadDefines(folder + "guidefines.h");
    loader.LoadFromNode(XmlNode::OpenFileHelper((folder + description.c_str()).CStr(), "GUI"));
  }
  gui.LoadStringTable(EngineString(HALVENOR_PARK_DIR) + "\\GuiFiles\\langFile.gui.nl");
  fs::current_path(previous);
  plat::ClearPathCache();
}

void BuildFrameworkGui(guitest::GuiTestKit& kit) {
  for (int32_t id :
       {10062, 10123, 10126, 10129, 10343, 10143, 10349, 10375, 10158, 10299, 10327, 10292, 10108, 10076}) {
    Page(kit, id);
  }
  // The main object's buttons, which the opened pages name as their control.
  CGuiElement* bar = Page(kit, 10001, true);
  for (int32_t id : {10068, 10070, 10124, 10125, 10435, 10436, 10097}) kit.Add<CGuiButton>(bar, id, 0, 0, 50, 20, 7, 4);
  CGuiElement* panel = Page(kit, 10433, true);
  for (int32_t id : {10437, 10439, 10440, 10441, 10442, 10444, 10445, 10064, 10065}) {
    kit.Add<CGuiStaticText>(panel, id, 0, 0, 100, 20);
  }
  kit.Add<CGuiGrid>(panel, 10438, 0, 40, 300, 100, 3)->SetDimensions(1, 5);
  const int32_t pages[3][3] = {{10385, 10386, 10387}, {10388, 10389, 10390}, {10391, 10392, 10393}};
  for (const auto& ids : pages) {
    CGuiElement* page = Page(kit, ids[0]);
    kit.Add<CGuiTextBox>(page, ids[1], 10, 10, 500, 300);
    kit.Add<CGuiButton>(page, ids[2], 10, 350, 100, 30, 7, 4);
  }
}

ScreenWorld::ScreenWorld(bool withGui) : host(kit.Gui()), screens(host) {
  if (withGui) BuildFrameworkGui(kit);
  host.screens = &screens;
}

ScreenWorld::~ScreenWorld() { host.screens = nullptr; }

void ScreenWorld::Route(GuiCommand& command) {
  if (screens.OfferExclusive(command)) return;
  screens.RouteToScreens(command);
}

void ScreenWorld::RunPass() {
  kit.Gui().RunCommandPass([this](GuiCommand* command) { Route(*command); });
  kit.Gui().RemoveDoneCommands();
}

void ScreenWorld::Click(int32_t sender) { kit.Gui().PostCommand(sender, -1, kCmdClick, 0, 0); }

void ScreenWorld::Select(int32_t sender, int32_t row) { kit.Gui().PostCommand(sender, -1, kCmdSelect, row, 0); }

std::vector<GuiCommand> ScreenWorld::Queue() { return kit.Gui().GetCommandQueue().Snapshot(); }

bool ScreenWorld::IsShown(int32_t id) {
  CGuiElement* element = kit.Gui().FindElement(id);
  return element && element->IsVisible();
}

}  // namespace screentest
