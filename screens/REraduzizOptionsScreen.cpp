#include "screens/REraduzizOptionsScreen.h"

REraduzizOptionsScreen::REraduzizOptionsScreen(CGuiElement* window) : window(window) {}

void REraduzizOptionsScreen::OnCommand(GuiCommand&) {}
