#pragma once
// The ledger's categories and kinds, with what each booker puts into a
// record of its kind besides the date, the subject and the amount.
#include <cstdint>

namespace ledger {

enum Category : int32_t {
  kCategoryVisitors = 1,
  kCategoryAttractions = 2,
  kCategoryStaff = 3,
  kCategoryFood = 4,
  kCategoryTickets = 5,
  kCategoryShop = 6,
};

enum Kind : int32_t {
  kVisitorCount = 1,   // visitors in the park, each park hour
  kMoodAverage = 2,    // mood sum / visitors / 100, each park hour
  kMoodLow = 3,        // visitors below their low mood threshold
  kMoodMiddle = 4,     // from the low up to below the high threshold
  kMoodHigh = 5,       // at or above the high threshold
  kBuild = 6,          // build price of a placed object
  kRepair = 7,         // an engineer's repair
  kUpgrade = 8,        // an upgrade's price
  kUse = 9,            // one use of a placed object by a visitor
  kRunningCost = 10,   // a tenth of the build price, each park month
  kHireEngineers = 11, // hiring cost of the staff groups
  kHireGardeners = 12,
  kHireCleaners = 13,
  kRestaurantMeal = 14,
  kKioskFood = 15,
  kTicket = 16,
  kShopProduct = 17,
};

constexpr int32_t kFirstKind = kVisitorCount;
constexpr int32_t kLastKind = kShopProduct;

// The kinds booked per placed object (subject = its ledger number).
constexpr int32_t kFirstObjectKind = kBuild;
constexpr int32_t kLastObjectKind = kRunningCost;

struct KindInfo {
  int32_t category;
  int32_t flag2;
};

// The category and marker of a kind; null for a number that is no kind.
const KindInfo* FindKind(int32_t kind);

}  // namespace ledger
