#include "screens/REraduzizKioskScreen.h"

REraduzizKioskScreen::REraduzizKioskScreen(CGuiElement* window) : window(window) {}

void REraduzizKioskScreen::OnGuiCommand(GuiCommand&) {}
