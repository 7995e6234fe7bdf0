#include "screens/REraduzizStaffScreen.h"

REraduzizStaffScreen::REraduzizStaffScreen(CGuiElement* window) : window(window) {}

void REraduzizStaffScreen::OnGuiCommand(GuiCommand&) {}

void REraduzizStaffScreen::Refresh() {}
