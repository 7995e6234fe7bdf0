#include "screens/REraduzizSummaryScreen.h"

REraduzizSummaryScreen::REraduzizSummaryScreen(CGuiElement* window) : window(window) {}

void REraduzizSummaryScreen::OnGuiCommand(GuiCommand&) {}

void REraduzizSummaryScreen::Refresh() {}
