#include "screens/REraduzizTutorialScreen.h"

REraduzizTutorialScreen::REraduzizTutorialScreen(CGuiElement* window) : window(window) {}

void REraduzizTutorialScreen::OnGuiCommand(GuiCommand&) {}
