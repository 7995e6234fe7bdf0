#include "screens/REraduzizScenarioWindow.h"

REraduzizScenarioWindow::REraduzizScenarioWindow(CGuiElement* window) : window(window) {}

void REraduzizScenarioWindow::OnGuiCommand(GuiCommand&) {}

void REraduzizScenarioWindow::BindControls() {}

void REraduzizScenarioWindow::RefreshGoals() {}
