#include "screens/REraduzizRepairEventScreen.h"

REraduzizRepairEventScreen::REraduzizRepairEventScreen(CGuiElement* window) : window(window) {}

void REraduzizRepairEventScreen::OnGuiCommand(GuiCommand&) {}

bool REraduzizRepairEventScreen::SelectEvent(int32_t) { return false; }
