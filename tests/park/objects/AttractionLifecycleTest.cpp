#include "park/objects/CAttraction.h"

#include <gtest/gtest.h>

#include <memory>

#include "park/objects/CPlacedObjectList.h"
#include "park/objects/ObjectTypeSetup.h"
#include "tests/park/objects/AttractionTestHost.h"
#include "world/objects/CParkModel.h"
#include "world/objects/PlacedObjectLookup.h"

namespace {

using attractiontest::TestHost;
using plat::Vec3;

class AttractionLifecycleTest : public ::testing::Test {
 protected:
  // A placed copy of a template of the given kind and type name.
  CAttraction* Place(const char* id, int32_t state, int32_t capacity = 0) {
    CAttraction preview;
    preview.id = id;
    preview.state = state;
    preview.visitorCapacity = capacity;
    auto object = std::make_unique<CAttraction>();
    object->InitFromTemplate(preview);
    return list.Place(std::move(object));
  }
  std::vector<int32_t> Numbers() const {
    std::vector<int32_t> out;
    for (const CAttraction* object : list.Objects()) out.push_back(object->objectNumber);
    return out;
  }

  TestHost host;
  CPlacedObjectList list;
};

TEST_F(AttractionLifecycleTest, OneMarkedObjectGoesPerFrameTheEarlierFirst) {
  Place("ride_a", 0, 20);
  CAttraction* plant = Place("fa_01_a", 4);
  CAttraction* ride = Place("ride_b", 1, 8);
  ride->deletePending = 1;
  plant->deletePending = 1;
  list.RemoveDeletedAttraction();
  EXPECT_EQ(Numbers(), (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"removed fa_01_a#2", "cells fa_01_a#2", "icons fa_01_a#2",
                                                  "greenery", "placement fa_01_a 2"}));
  host.calls.clear();
  list.RemoveDeletedAttraction();
  EXPECT_EQ(Numbers(), (std::vector<int32_t>{1}));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"removed ride_b#3", "cells ride_b#3", "icons ride_b#3",
                                                  "capacity 8", "placement ride_b 3"}));
  host.calls.clear();
  list.RemoveDeletedAttraction();  // nothing left to remove
  EXPECT_TRUE(host.calls.empty());
  ASSERT_EQ(list.ObjectsByState().size(), 1u);
  EXPECT_EQ(list.ObjectsByState()[0]->id, "ride_a");
}

TEST_F(AttractionLifecycleTest, CashMachinesShopsAndBinsLeaveTheCapacityAlone) {
  for (const auto& [id, state] : {std::pair{"cashFotel", 1}, {"kincseslada", 1}, {"Shop_quessle01", 6},
                                  {"beszelokuka", 2}, {"Attr_MainEntrance", -1}}) {
    Place(id, state, 30)->deletePending = 1;
    list.RemoveDeletedAttraction();
  }
  for (const std::string& call : host.calls) EXPECT_EQ(call.find("capacity"), std::string::npos) << call;
  EXPECT_TRUE(list.Objects().empty());
}

TEST_F(AttractionLifecycleTest, NumbersAreNeverGivenTwice) {
  Place("a", 0);
  Place("b", 0)->deletePending = 1;
  Place("c", 0);
  list.RemoveDeletedAttraction();
  Place("d", 0);
  EXPECT_EQ(Numbers(), (std::vector<int32_t>{1, 3, 4}));
  EXPECT_EQ(FindObjectById(list.Objects(), 4)->id, "d");
  // A restored object keeps its number and the counter stays above it.
  auto saved = std::make_unique<CAttraction>();
  saved->objectNumber = 9;
  list.Restore(std::move(saved));
  EXPECT_EQ(Place("e", 0)->objectNumber, 10);
  EXPECT_EQ(list.GetLastObjectNumber(), 10);
}

TEST_F(AttractionLifecycleTest, ListsByStateHoldTheObjectsThatServeVisitors) {
  for (int32_t state : {0, 1, 2, 3, 4, 6, -1}) Place("x", state);
  list.CollectObjectsByState();
  std::vector<int32_t> states;
  for (const CAttraction* object : list.ObjectsByState()) states.push_back(object->state);
  EXPECT_EQ(states, (std::vector<int32_t>{0, 1, 2, 6}));
}

TEST_F(AttractionLifecycleTest, AWaterRideSwitchesOffItsEffectWhenItGoes) {
  { CAttraction water; water.id = "ATTR_Tullowmere"; }
  { CAttraction other; other.id = "ATTR_Other"; }
  EXPECT_EQ(host.calls, (std::vector<std::string>{"water ATTR_Tullowmere"}));
}

class PlacedCopyTest : public AttractionLifecycleTest {
 protected:
  void SetUp() override {
    for (auto* model : {&root, &vehicle}) model->localAnchorB = {2, 3, 4};
    vehicle.partMarker = CParkModel::kVehicleMarker;
    type.name = "Attr_Skarloop";
    type.objType = 0;
    type.visitorCapacity = 16;
    type.movie = "skarloop.avi";
    type.gatePosition = {1, 0, 0};
    type.placeX = 3;
    type.models = {&vehicle, &root};
    AnimatedPartRecord part;
    part.name = "car";
    part.rotationPoint = {0, 1, 0};
    type.modelSetups = {part, part};
    type.eventFigures.push_back({1, "sleep", nullptr, &root});
    SetUpPlacementTemplate(preview, type, 7, 300);
    preview.SetPosition(10, 0, 20);
    preview.setupRecords[0]->trackLoaded = 1;
    preview.setupRecords[0]->angle = 1.5f;
  }
  CParkModel root, vehicle;
  ObjectTypeDescriptor type;
  CAttraction preview;
};

TEST_F(PlacedCopyTest, APlacedCopyTakesTheTemplatesTypeWithFreshRunState) {
  EXPECT_EQ(preview.isPreview, 1);
  EXPECT_EQ(preview.objectNumber, 7);
  CAttraction placed;
  placed.InitFromTemplate(preview);
  EXPECT_EQ(placed.isPreview, 0);
  EXPECT_EQ(placed.id, "Attr_Skarloop");
  EXPECT_EQ(placed.visitorCapacity, 16);
  EXPECT_EQ(placed.buildCost, 300);
  EXPECT_EQ(placed.upgradeCost, 600);
  EXPECT_EQ(placed.placeX, 3);
  EXPECT_EQ(placed.hasVehicleModels, 1);  // set-up records make a ride
  EXPECT_EQ(placed.hasEvents, 0);
  ASSERT_EQ(placed.partObjects.size(), 2u);
  ASSERT_EQ(placed.setupRecords.size(), 2u);
  EXPECT_EQ(placed.setupRecords[0]->trackLoaded, 0);
  EXPECT_EQ(placed.setupRecords[0]->angle, 0);
  EXPECT_EQ(placed.setupRecords[0]->pivot, (Vec3{0, 1, 0}));
  EXPECT_TRUE(placed.HasNamedPart("sleep"));
  EXPECT_FALSE(placed.HasNamedPart("sneeze"));
  // The anchors come from the first part that is not a vehicle.
  placed.UpdateAnchorPoints();
  EXPECT_EQ(placed.anchorsValid, 1);
  EXPECT_EQ(placed.anchorB, (Vec3{12, 3, 24}));
  ASSERT_EQ(host.icons.size(), 2u);
  EXPECT_EQ(host.icons[0].position, (Vec3{10, 4, 20}));
  EXPECT_EQ(host.icons[1].kind, 1);
  EXPECT_EQ(host.icons[1].position, (Vec3{13, 4, 20}));
}

TEST_F(PlacedCopyTest, OnlyAttractionsGetIconsAndOnlyRealFilmsTheFilmIcon) {
  const struct {
    const char* id;
    int32_t state;
    const char* movie;
    size_t icons;
  } cases[] = {
      {"Attr_Skarloop", 0, "skarloop.avi", 2}, {"Attr_Skarloop", 0, "movie", 1}, {"Attr_Skarloop", 0, "", 1},
      {"Attr_Cobbleton", 0, "train.avi", 0},   {"Shop_quessle01", 6, "shop.avi", 0}, {"cashFotel", 1, "a.avi", 0},
  };
  for (const auto& c : cases) {
    host.icons.clear();
    preview.id = c.id;
    preview.state = c.state;
    preview.movieName = c.movie;
    CAttraction placed;
    placed.InitFromTemplate(preview);
    EXPECT_EQ(host.icons.size(), c.icons) << c.id << " " << c.movie;
  }
}

TEST_F(PlacedCopyTest, ResetEmptiesTheTemplate) {
  preview.Reset();
  EXPECT_EQ(preview.id, "");
  EXPECT_EQ(preview.isPreview, 0);
  EXPECT_TRUE(preview.partObjects.empty());
  EXPECT_TRUE(preview.setupRecords.empty());
  EXPECT_TRUE(preview.namedParts.empty());
  EXPECT_EQ(preview.savedHeight, CAttraction::kNoSavedHeight);
  preview.UpdateAnchorPoints();
  EXPECT_EQ(preview.anchorsValid, 0);
}

TEST_F(PlacedCopyTest, LevelFlagsComeFromTheirTypesAndStayEmptyWithout) {
  EXPECT_EQ(CAttraction().level2Flag, nullptr);
  auto flag = std::make_unique<ObjectTypeDescriptor>();
  flag->name = "zaszlo_level2";
  flag->models.push_back(&root);
  host.types.Add(std::move(flag));
  const CAttraction object;
  EXPECT_EQ(object.level1Flag, nullptr);
  EXPECT_EQ(object.level2Flag, &root);
  EXPECT_EQ(object.level3Flag, nullptr);
}

TEST(PlacedObjectLookupTest, LookupsFindTheFirstMatchInListOrder) {
  CAttraction a, b, c;
  a.id = "bufe_zarp";
  a.objectNumber = 1;
  b.id = "LP_Bush_01";
  b.objectNumber = 2;
  c.id = "bufe_zarp";
  c.objectNumber = 3;
  const std::vector<CAttraction*> objects = {&a, &b, &c};
  EXPECT_EQ(FindObjectByName(objects, "bufe_zarp"), &a);
  EXPECT_EQ(FindObjectByName(objects, "BUFE_ZARP"), nullptr);
  EXPECT_EQ(FindObjectById(objects, 2), &b);
  EXPECT_EQ(FindObjectByIdAndName(objects, 3, "bufe_zarp"), &c);
  EXPECT_EQ(FindObjectByIdAndName(objects, 2, "bufe_zarp"), nullptr);
  EXPECT_TRUE(ObjectExists(objects, "LP_Bush_01"));
  EXPECT_FALSE(ObjectExists({}, "LP_Bush_01"));
}

}  // namespace

namespace {

TEST(PickObjectAtTest, ObjectsWithPartsArePickedByTheirAnchorBoxInAnyCornerOrder) {
  CParkModel part;
  CAttraction object;
  object.partObjects.push_back(&part);
  object.anchorA = {2, 2, 12};
  object.anchorB = {-2, 0, 8};  // corners not sorted
  const PickRay towards{{0, 1, 0}, {0, 0, 1}};
  const PickRay away{{0, 1, 0}, {0, 0, -1}};
  EXPECT_FALSE(PickObjectAt(towards, object));  // anchors not ready
  object.anchorsValid = 1;
  EXPECT_TRUE(PickObjectAt(towards, object));
  EXPECT_FALSE(PickObjectAt(away, object));
  // Without parts and without a radius there is nothing to hit.
  CAttraction bare;
  bare.position = {0, 1, 10};
  EXPECT_FALSE(PickObjectAt(away, bare));
}

}  // namespace
