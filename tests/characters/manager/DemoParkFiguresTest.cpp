// The park's 23 figures load as the templates load them, with their
// textures and the animation sets the game plays.
#include <gtest/gtest.h>

#include <string>

#include "characters/CharacterTemplate.h"
#include "engine/animation/CMultiAnim.h"
#include "engine/animation/CMultiAnimAllocateHierarchy.h"
#include "tests/engine/animation/AnimationTestSupport.h"

namespace {

class DemoParkFiguresTest : public animtest::AnimationTest {};

bool HasSet(const CMultiAnim& model, const char* name) {
  return model.GetController()->GetAnimationSetByName(name) != nullptr;
}

TEST_F(DemoParkFiguresTest, EveryTemplateModelLoadsTexturedWithItsSets) {
  const std::string characters = std::string(HALVENOR_PARK_DIR) + "\\characters";
  float adultRadius = 0, childRadius = 0;
  for (const CharacterTemplate& entry : CharacterTemplates()) {
    SCOPED_TRACE(entry.modelFile);
    CMultiAnimAllocateHierarchy hierarchy;
    hierarchy.SetModelFolder(characters.c_str());
    CMultiAnim model;
    ASSERT_EQ(model.Load((characters + entry.folder + entry.modelFile).c_str(), &hierarchy), plat::kMeshOk);
    EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
    const ZOdevuvMeshContainer* container = animtest::FirstContainer(model.GetRootFrame());
    ASSERT_NE(container, nullptr);
    ASSERT_FALSE(container->textures.empty());
    // Kinds with a hair texture of their own carry the hair in a second material.
    EXPECT_EQ(container->textures.size(), entry.hair.prefix ? 2u : 1u);
    for (const auto& texture : container->textures) EXPECT_NE(texture, nullptr);
    for (const char* set : {"walk", "idle", "work", "watering", "magic"}) EXPECT_TRUE(HasSet(model, set)) << set;
    if (entry.kind == 7) adultRadius = model.GetBoundingRadius();
    if (entry.kind == 10) childRadius = model.GetBoundingRadius();
    model.Cleanup(&hierarchy);
  }
  EXPECT_LT(childRadius, adultRadius * 0.85f);
}

}  // namespace
