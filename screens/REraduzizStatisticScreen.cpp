#include "screens/REraduzizStatisticScreen.h"

REraduzizStatisticScreen::REraduzizStatisticScreen(CGuiElement* window) : window(window) {}

void REraduzizStatisticScreen::OnGuiCommand(GuiCommand&) {}

void REraduzizStatisticScreen::Open() {}

void REraduzizStatisticScreen::ShowParkView() {
  view = 0;
  subject = -1;
}
