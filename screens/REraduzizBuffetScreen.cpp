#include "screens/REraduzizBuffetScreen.h"

REraduzizBuffetScreen::REraduzizBuffetScreen(CGuiElement* window) : window(window) {}

void REraduzizBuffetScreen::OnGuiCommand(GuiCommand&) {}

void REraduzizBuffetScreen::Refresh() {}
