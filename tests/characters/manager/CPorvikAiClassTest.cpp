// The character manager: templates from the demo park, making and
// retiring characters, the object records and drawing.
#include <gtest/gtest.h>

#include <string>

#include "characters/CPorvikAiClass.h"
#include "characters/CharacterTemplate.h"
#include "engine/animation/CAnimInstance.h"
#include "engine/animation/CMultiAnim.h"
#include "platform/os/DebugOutput.h"
#include "tests/characters/manager/ManagerTestSupport.h"
#include "tests/platform/os/TempTree.h"

namespace {

using managertest::ManagerTest;

TEST_F(ManagerTest, LoadsEveryTemplateOfTheDemoParkWithTheTexts) {
  std::string debug;
  plat::SetDebugOutputSink([&](std::string_view text) { debug += text; });
  CPorvikAiClass& manager = Manager();
  plat::SetDebugOutputSink({});
  const auto& templates = CharacterTemplates();
  ASSERT_EQ(manager.GetCharacterCount(), 23);
  ASSERT_EQ(manager.GetModels().size(), 23u);
  for (int32_t i = 0; i < 23; ++i) {
    SCOPED_TRACE(i);
    const REraduzizVisitor* character = manager.GetCharacter(i);
    EXPECT_EQ(character->GetKind(), templates[std::size_t(i)].kind);
    EXPECT_EQ(character->GetId(), templates[std::size_t(i)].id);
    EXPECT_FALSE(character->IsVisible());
    EXPECT_EQ(manager.GetModels()[std::size_t(i)].kind, templates[std::size_t(i)].kind);
  }
  EXPECT_EQ(manager.FindModelIndex(14), -1);
  EXPECT_EQ(manager.FindModelIndex(22), 22);
  EXPECT_NE(debug.find("CPorvikAiClass::Init\n"), std::string::npos);
  EXPECT_NE(debug.find("AI init end\n"), std::string::npos);
  EXPECT_EQ(debug.find("not loaded"), std::string::npos) << debug;
  EXPECT_GT(host_.texts.GetManNames().size(), 0u);
  EXPECT_EQ(host_.texts.GetThoughtCount(CharacterTexts::kEnvironmentCategory), 8);
  EXPECT_EQ(manager.GetSpawnRecord().objectId, CPorvikAiClass::kNoSpawnPoint);
  EXPECT_EQ(manager.GetLastBookedMonth(), 2);
  EXPECT_EQ(manager.GetNextMonthToBook(), 3);
  EXPECT_FALSE(manager.IsBusy());
  // Templates are never drawn and never take part in the pass.
  EXPECT_TRUE(manager.GetLiveIds().empty());
  EXPECT_EQ(manager.CreateVisitor(1, 14, {}), nullptr);
}

TEST_F(ManagerTest, AModelThatDoesNotLoadIsLeftOutOfTheTemplates) {
  plat::test::TempTree tree;
  std::filesystem::copy(std::string(HALVENOR_PARK_DIR) + "/characters", tree.Host("characters"),
                        std::filesystem::copy_options::recursive);
  std::filesystem::remove(tree.Host("characters/casual_m/casual_m.X"));
  tree.Write("characters/cleaner_multianim.X", "xof 0303txt 0032\nFrame Broken {");
  host_.baseFolder = tree.Root().c_str();
  CPorvikAiClass manager;
  EXPECT_EQ(manager.GetCharacterCount(), 21);
  EXPECT_EQ(manager.GetModels().size(), 21u);
  EXPECT_EQ(manager.FindModelIndex(7), -1);
  EXPECT_EQ(manager.FindModelIndex(23), -1);
  EXPECT_EQ(manager.CreateVisitor(5000, 7, {}), nullptr);
  EXPECT_NE(manager.CreateVisitor(5001, 13, {}), nullptr);
  EXPECT_EQ(manager.GetCharacterCount(), 22);
}

TEST_F(ManagerTest, CreatedCharactersByKind) {
  const struct {
    int32_t kind;
    float walkFactor;
    int ownTextures;  // loaded slots, -1 without own textures
  } cases[] = {{0, 1.6f, 1}, {1, 1.6f, 2}, {8, 2.2f, 2}, {10, 2.2f, 1}, {18, 2.2f, -1}, {19, 1.6f, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    REraduzizVisitor* character = Manager().CreateVisitor(77, c.kind, {3, 0, 4});
    ASSERT_NE(character, nullptr);
    EXPECT_TRUE(character->IsVisible());
    EXPECT_EQ(character->GetId(), 77);
    EXPECT_EQ(character->GetKind(), c.kind);
    EXPECT_FLOAT_EQ(character->GetWalkFactor(), c.walkFactor);
    EXPECT_EQ(character->GetPosition(), (plat::Vec3{3, 0, 4}));
    const CAnimInstance* instance = character->GetAnimInstance();
    EXPECT_EQ(instance->UsesOwnTextures(), c.ownTextures > 0);
    int loaded = 0;
    for (const auto& texture : instance->GetOwnTextures()) loaded += texture ? 1 : 0;
    EXPECT_EQ(loaded, std::max(c.ownTextures, 0));
    EXPECT_EQ(character->IsNonVisitor(), c.kind >= 15);
    Manager().RemoveCharacterById(77);
  }
}

TEST_F(ManagerTest, MakingVisitorsReadsNoTextureFile) {
  plat::test::TempTree tree;
  std::filesystem::copy(std::string(HALVENOR_PARK_DIR) + "/characters", tree.Host("characters"),
                        std::filesystem::copy_options::recursive);
  host_.baseFolder = tree.Root().c_str();
  CPorvikAiClass manager;
  std::filesystem::remove_all(tree.Host("characters/casual_m/textures"));
  plat::ClearPathCache();
  for (int i = 0; i < 40; ++i) {
    const REraduzizVisitor* visitor = manager.CreateVisitor(5000 + i, 7, {});
    ASSERT_NE(visitor, nullptr);
    EXPECT_NE(visitor->GetAnimInstance()->GetOwnTextures()[0], nullptr);
  }
}

TEST_F(ManagerTest, VisitorsOfAKindShareTheTexturesLoadedOnce) {
  // Kind 5 has one body and one hair texture, so every visitor wears both.
  const REraduzizVisitor* a = Spawn(5);
  const REraduzizVisitor* b = Spawn(5);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->GetAnimInstance()->GetOwnTextures(), b->GetAnimInstance()->GetOwnTextures());
  EXPECT_NE(a->GetAnimInstance()->GetOwnTextures()[1], nullptr);
}

TEST_F(ManagerTest, RemovingACharacterTakesItsLiveIdAlong) {
  REraduzizVisitor* visitor = Spawn(3);
  const int32_t id = visitor->GetId();
  Manager().RemoveCharacterById(id);
  EXPECT_EQ(Manager().FindCharacterById(id), nullptr);
  EXPECT_TRUE(Manager().GetLiveIds().empty());
  Manager().RemoveCharacterById(id);
  // Templates stay whatever is asked.
  Manager().RemoveCharacterById(CharacterTemplate::kVisitorTemplateId);
  Manager().UpdateAll(0.1);
  EXPECT_EQ(Manager().GetCharacterCount(), 23);
}

TEST_F(ManagerTest, FinishedCharactersLeaveOneAFrameInLiveOrder) {
  host_.hasEntrance = false;  // such visitors are finished at once
  const int32_t first = Spawn(0)->GetId();
  const int32_t second = Spawn(7)->GetId();
  EXPECT_EQ(Manager().GetVisitorCount(), 2);
  Manager().UpdateAll(0.1);
  EXPECT_EQ(Manager().FindCharacterById(first), nullptr);
  EXPECT_NE(Manager().FindCharacterById(second), nullptr);
  EXPECT_EQ(Manager().GetVisitorCount(), 1);
  Manager().UpdateAll(0.1);
  EXPECT_EQ(Manager().FindCharacterById(second), nullptr);
  EXPECT_EQ(Manager().GetVisitorCount(), 0);
  EXPECT_EQ(Manager().GetCharacterCount(), 23);
}

TEST_F(ManagerTest, AThousandVisitorsWalkInAndAreRetiredWithoutARemainder) {
  constexpr int kVisitors = 1000, kBatch = 50;
  constexpr double kFrame = 0.1;
  host_.entrancePoint = {3, 0, 0};
  // Visitors with nothing to do in the park leave by its entrance.
  Manager().AddPlacement(host_.entrancePoint, 1, "Attr_MainEntrance", CPorvikAiClass::kEntranceType, true);
  int spawned = 0, walked = 0;
  while (spawned < kVisitors) {
    for (int i = 0; i < kBatch; ++i, ++spawned) ASSERT_NE(Spawn(spawned % 13, {-3, 0, float(i % 5)}), nullptr);
    for (int frame = 0; frame < 2000 && !Manager().GetLiveIds().empty(); ++frame) {
      for (int32_t id : Manager().GetLiveIds()) {
        const REraduzizVisitor* visitor = Manager().FindCharacterById(id);
        if (visitor && visitor->GetPosition().x > 0) ++walked;
      }
      Manager().UpdateAll(kFrame);
      Manager().DrawCharacters(kFrame);
    }
    ASSERT_TRUE(Manager().GetLiveIds().empty());
  }
  EXPECT_GT(walked, kVisitors);
  EXPECT_EQ(Manager().GetCharacterCount(), 23);
  EXPECT_EQ(Manager().GetVisitorCount(), 0);
  for (const auto& entry : Manager().GetModels()) EXPECT_EQ(entry.model->GetInstanceCount(), 1);
  // Nobody left to count: the mood sum is empty.
  EXPECT_EQ(world_.totals.moodSum, 0);
  EXPECT_EQ(world_.totals.bandCounts, (std::array<int32_t, 3>{}));
}

TEST_F(ManagerTest, ObjectRecordsOfTheKindsCharactersWalkTo) {
  CPorvikAiClass& manager = Manager();
  for (int32_t type : {-1, 0, 1, 2, 3, 4, 5, 6}) {
    manager.AddPlacement({float(type), 0, 1}, 100 + type, "Attr_x", type, false);
  }
  ASSERT_EQ(manager.GetPlacementCount(), 6);
  const int32_t kept[] = {-1, 0, 1, 2, 3, 6};
  for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(manager.GetPlacement(i)->type, kept[i]);
  EXPECT_EQ(manager.GetPlacement(-1), nullptr);
  EXPECT_EQ(manager.GetPlacement(6), nullptr);
  // The fake host's paths lie at x >= 0.
  EXPECT_EQ(manager.GetPlacement(0)->onPath, 0);
  EXPECT_EQ(manager.GetPlacement(1)->onPath, 1);
  EXPECT_TRUE(manager.HasFlaggedObjectNamed("Attr_x"));
  EXPECT_FALSE(manager.HasFlaggedObjectNamed("Attr_y"));
  manager.RemovePlacement("Attr_x", 999);
  EXPECT_EQ(manager.GetPlacementCount(), 6);
  manager.RemovePlacement("Attr_x", 101);
  EXPECT_EQ(manager.GetPlacementCount(), 5);
  EXPECT_EQ(manager.GetPlacement(1)->objectId, 100);
}

TEST_F(ManagerTest, TheEntranceBecomesTheSpawnPointAndALaterOneReplacesIt) {
  CPorvikAiClass& manager = Manager();
  manager.AddPlacement({1, 0, 2}, 7, "Attr_MainEntrance", CPorvikAiClass::kEntranceType, true);
  EXPECT_EQ(manager.GetSpawnRecord().objectId, 7);
  EXPECT_EQ(manager.GetSpawnRecord().spawnFlag, 1);
  EXPECT_EQ(manager.GetSpawnRecord().onPath, 1);
  manager.AddPlacement({-5, 0, 2}, 8, "Shop", 6, true);
  EXPECT_EQ(manager.GetSpawnRecord().objectId, 8);
  EXPECT_EQ(manager.GetSpawnRecord().position, (plat::Vec3{-5, 0, 2}));
  EXPECT_EQ(manager.GetPlacementCount(), 2);
}

TEST_F(ManagerTest, DrawingPutsPeopleOnTheGround) {
  host_.terrainHeight = 1.5f;
  REraduzizVisitor* visitor = Manager().CreateVisitor(900, 7, {10, 7, 0});
  visitor->SetTargetPosition(10, 9, 4);
  Manager().DrawCharacters(0.02);
  EXPECT_FLOAT_EQ(visitor->GetPosition().y, 1.5f);
  EXPECT_FLOAT_EQ(visitor->GetTargetPosition().y, 1.5f);
  // Invisible templates stay where they are.
  EXPECT_EQ(Manager().GetCharacter(0)->GetPosition().y, 0.0f);
}

TEST_F(ManagerTest, TheFollowedCharacterMovesTheCameraOnlyWithinTheDrawDistance) {
  REraduzizVisitor* visitor = Manager().CreateVisitor(900, 7, {100, 0, 0});
  visitor->SetTargetPosition(100, 0, 4);
  host_.followed = 900;
  Manager().DrawCharacters(0.02);
  ASSERT_EQ(host_.followViews.size(), 1u);
  EXPECT_EQ(host_.followViews[0][0], (plat::Vec3{100, 3, -6}));
  EXPECT_EQ(host_.followViews[0][1], (plat::Vec3{0, 0, 4}));
  const plat::Vec3 up = host_.followViews[0][2];
  EXPECT_NEAR(up.y, 1.0f, 1e-5f);
  // On its target it faces nowhere, and the view stays as it was.
  visitor->SetTargetPosition(100, 0, 0);
  Manager().DrawCharacters(0.02);
  EXPECT_EQ(host_.followViews.size(), 1u);
  visitor->SetTargetPosition(100, 0, 4);
  // A hair beyond: animated, not drawn, not followed.
  visitor->SetPosition({100.01f, 0, 0});
  Manager().DrawCharacters(0.02);
  EXPECT_EQ(host_.followViews.size(), 1u);
}

// A cleaner sent to a park event beyond the draw distance is not drawn, yet
// reaches the event and does its job there.
TEST_F(ManagerTest, AJobOutOfSightIsDoneAllTheSame) {
  const float far = CPorvikAiClass::kDrawDistance * 2;
  chartest::FakeObject object;
  object.position = {far, 0, 3};
  chartest::FakeEvent event{&object};
  REraduzizVisitor* cleaner = Manager().CreateVisitor(1000, 23, {far, 0, 0});
  ASSERT_NE(cleaner, nullptr);
  cleaner->SetVisible();
  cleaner->SendToObject(chartest::Handle(event));
  ASSERT_TRUE(cleaner->IsJobActive());
  constexpr int kFrames = 2000;
  for (int n = 0; n < kFrames && event.resets == 0; ++n) Manager().DrawCharacters(0.02);
  EXPECT_EQ(event.resets, 1);
  EXPECT_FALSE(cleaner->IsJobActive());
}

}  // namespace
