#include "screens/REraduzizBuilUpgScreen.h"

REraduzizBuilUpgScreen::REraduzizBuilUpgScreen(CGuiElement* window) : window(window) {}

void REraduzizBuilUpgScreen::OnGuiCommand(GuiCommand&) {}

void REraduzizBuilUpgScreen::Refresh() {}
