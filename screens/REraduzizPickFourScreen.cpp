#include "screens/REraduzizPickFourScreen.h"

REraduzizPickFourScreen::REraduzizPickFourScreen(CGuiElement* window) : window(window) {}

void REraduzizPickFourScreen::OnGuiCommand(GuiCommand&) {}
