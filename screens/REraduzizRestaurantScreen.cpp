#include "screens/REraduzizRestaurantScreen.h"

REraduzizRestaurantScreen::REraduzizRestaurantScreen(CGuiElement* window) : window(window) {}

void REraduzizRestaurantScreen::OnGuiCommand(GuiCommand&) {}

void REraduzizRestaurantScreen::Refresh() {}
