// Stand-ins for the routines of the activities, the staff, the park
// characters, the thoughts and the path walk, which are built apart: until
// then a visitor walks straight to its destination and leaves the park
// there, and staff and park characters stand where they are.
#include "characters/REraduzizVisitor.h"

void REraduzizVisitor::UpdateCleaner(double) { SetWalkFlags(false); }
void REraduzizVisitor::UpdateGardener(double) { SetWalkFlags(false); }
void REraduzizVisitor::UpdateEngineer(double) { SetWalkFlags(false); }
void REraduzizVisitor::UpdateParkCharacter(double) { SetWalkFlags(false); }

void REraduzizVisitor::UpdateShoppingStates(double) {
  m_pathFound = 1;
  SetActivityState(1, kStateLeftPark);
}

void REraduzizVisitor::UpdateDustBinStates(double) {
  if (GetActivityState() == kStateLeftPark) {
    m_finished = 1;
    return;
  }
  SetActivityState(0, kStateDecideAgain);
}

void REraduzizVisitor::UpdateAttractionStates(double) { SetActivityState(0, kStateDecideAgain); }

void REraduzizVisitor::FollowPath(double) { SetTargetPosition(m_destination.x, m_destination.y, m_destination.z); }

bool REraduzizVisitor::FindNearbyDustBin(plat::Vec3*) { return false; }
bool REraduzizVisitor::FindNearbyObjectOfType3(plat::Vec3*) { return false; }
void REraduzizVisitor::ThinkAboutGreenBand() {}
void REraduzizVisitor::ThinkAboutCleanBand() {}
void REraduzizVisitor::MakeThought() {}
