// Stand-ins for the routines of the staff, the park characters, the
// purchases and the thoughts, which are built apart: until then staff and
// park characters stand where they are.
#include "characters/REraduzizVisitor.h"

void REraduzizVisitor::UpdateCleaner(double) { SetWalkFlags(false); }
void REraduzizVisitor::UpdateGardener(double) { SetWalkFlags(false); }
void REraduzizVisitor::UpdateEngineer(double) { SetWalkFlags(false); }
void REraduzizVisitor::UpdateParkCharacter(double) { SetWalkFlags(false); }

// The purchases are built with the foods: until then nothing is sold.
bool REraduzizVisitor::BuyMeal() { return false; }
bool REraduzizVisitor::BuySweets() { return false; }
bool REraduzizVisitor::BuySnack() { return false; }

bool REraduzizVisitor::FindNearbyDustBin(plat::Vec3*) { return false; }
bool REraduzizVisitor::FindNearbyObjectOfType3(plat::Vec3*) { return false; }
