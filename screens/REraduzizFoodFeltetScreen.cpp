#include "screens/REraduzizFoodFeltetScreen.h"

REraduzizFoodFeltetScreen::REraduzizFoodFeltetScreen(CGuiElement* window) : window(window) {}

void REraduzizFoodFeltetScreen::OnGuiCommand(GuiCommand&) {}
