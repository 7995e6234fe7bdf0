#include "screens/REraduzizPickFiveScreen.h"

REraduzizPickFiveScreen::REraduzizPickFiveScreen(CGuiElement* window) : window(window) {}

void REraduzizPickFiveScreen::OnGuiCommand(GuiCommand&) {}
