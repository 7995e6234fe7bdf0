#include "screens/REraduzizFastFoodScreen.h"

REraduzizFastFoodScreen::REraduzizFastFoodScreen(CGuiElement* window) : window(window) {}

void REraduzizFastFoodScreen::OnGuiCommand(GuiCommand&) {}
