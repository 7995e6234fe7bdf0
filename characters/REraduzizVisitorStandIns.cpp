// Stand-ins for the routines of the thoughts, which are built apart.
#include "characters/REraduzizVisitor.h"

void REraduzizVisitor::ThinkAboutGreenBand() {}
void REraduzizVisitor::ThinkAboutCleanBand() {}
void REraduzizVisitor::MakeThought() {}
