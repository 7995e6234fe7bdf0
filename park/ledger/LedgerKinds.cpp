#include "park/ledger/LedgerKinds.h"

#include <array>
#include <cstddef>

namespace ledger {
namespace {

// Indexed by kind - kFirstKind. Costs carry the marker 1, income, uses and
// visitor figures 0.
constexpr std::array<KindInfo, kLastKind - kFirstKind + 1> kKinds = {{
    {kCategoryVisitors, 0},     // 1 visitors
    {kCategoryVisitors, 0},     // 2 average mood
    {kCategoryVisitors, 0},     // 3 low mood
    {kCategoryVisitors, 0},     // 4 middle mood
    {kCategoryVisitors, 0},     // 5 high mood
    {kCategoryAttractions, 1},  // 6 build
    {kCategoryAttractions, 1},  // 7 repair
    {kCategoryAttractions, 1},  // 8 upgrade
    {kCategoryAttractions, 0},  // 9 use
    {kCategoryAttractions, 1},  // 10 running cost
    {kCategoryStaff, 1},        // 11 engineers
    {kCategoryStaff, 1},        // 12 gardeners
    {kCategoryStaff, 1},        // 13 cleaners
    {kCategoryFood, 0},         // 14 restaurant meal
    {kCategoryFood, 0},         // 15 kiosk food
    {kCategoryTickets, 0},      // 16 ticket
    {kCategoryShop, 0},         // 17 shop product
}};

}  // namespace

const KindInfo* FindKind(int32_t kind) {
  if (kind < kFirstKind || kind > kLastKind) return nullptr;
  return &kKinds[static_cast<std::size_t>(kind - kFirstKind)];
}

}  // namespace ledger
