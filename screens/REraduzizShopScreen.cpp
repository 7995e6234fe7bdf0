#include "screens/REraduzizShopScreen.h"

REraduzizShopScreen::REraduzizShopScreen(CGuiElement* window) : window(window) {}

void REraduzizShopScreen::OnGuiCommand(GuiCommand&) {}
