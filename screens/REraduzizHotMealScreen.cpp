#include "screens/REraduzizHotMealScreen.h"

REraduzizHotMealScreen::REraduzizHotMealScreen(CGuiElement* window) : window(window) {}

void REraduzizHotMealScreen::OnGuiCommand(GuiCommand&) {}
