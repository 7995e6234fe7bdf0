#include "screens/REraduzizUpgradeScreen.h"

REraduzizUpgradeScreen::REraduzizUpgradeScreen(CGuiElement* window) : window(window) {}

void REraduzizUpgradeScreen::OnGuiCommand(GuiCommand&) {}
