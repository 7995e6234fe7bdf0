#include "screens/REraduzizSpeedWindow.h"

REraduzizSpeedWindow::REraduzizSpeedWindow(CGuiElement* window) : window(window) {}

void REraduzizSpeedWindow::OnGuiCommand(GuiCommand&) {}

void REraduzizSpeedWindow::Refresh() {}
