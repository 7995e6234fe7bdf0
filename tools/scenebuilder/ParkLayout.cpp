#include "tools/scenebuilder/ParkLayout.h"

namespace scenebuilder {

namespace {

// The land around the entrance is level from row 4 to row 36 and between
// columns 40 and 88 (world -96..96, -240..-112); the rest of the park's
// middle is gently rolling, with a hill in the west and a pond in the
// north-east that the paths keep away from.
constexpr int32_t kMainColumn = 64;
constexpr int32_t kPlazaRow = 16;
constexpr int32_t kSouthRow = 40;
constexpr int32_t kMiddleRow = 62;
constexpr int32_t kNorthRow = 93;

// The start: the entrance on its plaza, the main road north to the first
// crossing, the carousel and the train, a bin and benches.
constexpr Footpath kStartPaths[] = {
    {true, kPlazaRow, 58, 70},                 // the plaza inside the gate
    {false, kMainColumn, 2, 8},                // the road that arrives at the gate
    {false, kMainColumn, kPlazaRow + 1, kSouthRow - 1},
    {true, kSouthRow, 34, 94},
};
constexpr Placement kStartObjects[] = {
    {"Attr_MainEntrance", Side::South, kPlazaRow, kMainColumn},
    {"Attr_Carousel", Side::North, kSouthRow, 44},
    {"Attr_MiniTrain", Side::South, kSouthRow, 84},
    {"trash_01", Side::North, kSouthRow, 58},
    {"bench_01", Side::West, kMainColumn, 24},
    {"bench_01", Side::South, kSouthRow, 58},
};

// Something to eat.
constexpr Placement kSnackObjects[] = {
    {"bufe_zarp", Side::East, kMainColumn, 32},
    {"bench_01", Side::East, kMainColumn, 36},
};

// A shop and the cash machine.
constexpr Placement kShopObjects[] = {
    {"Shop_quessle01", Side::East, kMainColumn, 21},
    {"cashFotel", Side::West, kMainColumn, 34},
    {"trash_01", Side::West, kMainColumn, 30},
};

// The swing boat, the pancake stall and the bird show between the carousel
// and the first bin, whose bird the park-event lesson needs.
constexpr Placement kSecondRideObjects[] = {
    {"Attr_SwingBoat", Side::North, kSouthRow, 80},
    {"poffertjeskraam_etterem", Side::West, kMainColumn, 20},
    {"trash_01", Side::North, kSouthRow, 70},
    {"ATTR_Zelvaro", Side::North, kSouthRow, 51},
};

// The restaurant south of the first crossing.
constexpr Placement kRestaurantObjects[] = {
    {"restaurant_de_tarrowby", Side::South, kSouthRow, 46},
    {"bench_01", Side::South, kSouthRow, 66},
};

// The rest of the park: the main road on north, the coaster at the second
// crossing and the flume at the third.
constexpr Footpath kParkPaths[] = {
    {false, kMainColumn, kSouthRow + 1, kNorthRow},
    {true, kMiddleRow, 34, 94},
    {true, kNorthRow, 36, kMainColumn - 1},
};
constexpr Placement kParkObjects[] = {
    {"Attr_Skarloop", Side::North, kMiddleRow, 46},
    {"Shop_quessle02", Side::East, kMainColumn, 70},
    {"kincseslada", Side::East, kMainColumn, 76},
    {"beszelokuka", Side::East, kMainColumn, 80},
    {"bench_01", Side::East, kMainColumn, 84},
    {"bench_01", Side::West, kMainColumn, 80},
    {"trash_01", Side::West, kMainColumn, 86},
    {"trash_01", Side::South, kMiddleRow, 80},
    {"bench_01", Side::North, kMiddleRow, 86},
};
// Where the game sets the flume down, whatever point the player picks.
constexpr FixedPlacement kParkFixedObjects[] = {
    {"Attr_Norwhistle", -99.532f, 140.273f, 90.0f, kNorthRow},
};

constexpr LayoutGroup kGroups[] = {
    {kStartPaths, kStartObjects, {}},
    {{}, kSnackObjects, {}},
    {{}, kShopObjects, {}},
    {{}, kSecondRideObjects, {}},
    {{}, kRestaurantObjects, {}},
    {kParkPaths, kParkObjects, kParkFixedObjects},
};
constexpr int32_t kAllGroups = int32_t(std::size(kGroups));
// Up to the second ride: every group before the restaurant's, without the
// pancake stall that the harbour feast's goal asks for.
constexpr int32_t kHarbourFeastGroups = 4;
constexpr const char* kHarbourFeastGoal = "poffertjeskraam_etterem";
constexpr int32_t kSecretGuestsGroups = 2;
constexpr int32_t kHappySummerGroups = 3;
constexpr int32_t kGrandParkGroups = 1;

constexpr SceneSpec kScenes[] = {
    {"Scenes/NormalModeLow.pys", kAllGroups, 0, nullptr},
    {"Scenes/AdvancedMode.pys", 2, 0, nullptr},
    {"Scenes/tutorial/Tutorial1.pys", 1, 1, nullptr},
    {"Scenes/tutorial/Tutorial2.pys", 2, 2, nullptr},
    {"Scenes/tutorial/Tutorial3.pys", 3, 3, nullptr},
    {"Scenes/tutorial/Tutorial4.pys", 4, 4, nullptr},
    {"Scenes/tutorial/Tutorial5.pys", 5, 5, nullptr},
    // The scenarios' parks, the same in both resolutions.
    {"Scenes/scenarios/harbour_feast.pys", kHarbourFeastGroups, 0, kHarbourFeastGoal},
    {"Scenes/scenarios/harbour_feast_low.pys", kHarbourFeastGroups, 0, kHarbourFeastGoal},
    {"Scenes/scenarios/secret_guests.pys", kSecretGuestsGroups, 0, nullptr},
    {"Scenes/scenarios/secret_guests_low.pys", kSecretGuestsGroups, 0, nullptr},
    {"Scenes/scenarios/happy_summer.pys", kHappySummerGroups, 0, nullptr},
    {"Scenes/scenarios/happy_summer_low.pys", kHappySummerGroups, 0, nullptr},
    {"Scenes/scenarios/grand_park.pys", kGrandParkGroups, 0, nullptr},
    {"Scenes/scenarios/grand_park_low.pys", kGrandParkGroups, 0, nullptr},
};

constexpr const char* kPlantTypes[] = {"fa_01_a", "LP_Bush_01", "fa_03_b", "viragosbokor_01a", "fa_02_c",
                                       "LP_Bush_02", "fa_05_a", "LP_viragosbokor", "fa_04_b", "viragosbokor_02b",
                                       "fa_01_c", "LP_Bush_03", "fa_02_a", "viragosbokor_03", "fa_05_b"};

}  // namespace

std::span<const LayoutGroup> LayoutGroups() { return kGroups; }
std::span<const SceneSpec> Scenes() { return kScenes; }
std::span<const char* const> PlantTypes() { return kPlantTypes; }

}  // namespace scenebuilder
