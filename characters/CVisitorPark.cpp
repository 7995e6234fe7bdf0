#include "characters/CVisitorPark.h"

namespace {
CVisitorPark* g_visitorPark = nullptr;
}

CVisitorPark* CVisitorPark::Get() { return g_visitorPark; }
void CVisitorPark::Install(CVisitorPark* park) { g_visitorPark = park; }
