#include "screens/REraduzizBuildBook.h"

REraduzizBuildBook::REraduzizBuildBook(CGuiElement* window) : window(window) {}

void REraduzizBuildBook::OnGuiCommand(GuiCommand&) {}
