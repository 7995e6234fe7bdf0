#include "screens/REraduzizPickOneScreen.h"

REraduzizPickOneScreen::REraduzizPickOneScreen(CGuiElement* window) : window(window) {}

void REraduzizPickOneScreen::OnGuiCommand(GuiCommand&) {}
