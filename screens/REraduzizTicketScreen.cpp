#include "screens/REraduzizTicketScreen.h"

REraduzizTicketScreen::REraduzizTicketScreen(CGuiElement* window) : window(window) {}

void REraduzizTicketScreen::OnGuiCommand(GuiCommand&) {}
