// The main object as the placed objects' host.
#include <gtest/gtest.h>

#include <memory>

#include "app/VAvazadOvurUrovi.h"
#include "park/CBillboardIcon.h"
#include "park/objects/CAttraction.h"

namespace {

class MainObjectObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override { game = std::make_unique<VAvazadOvurUrovi>(); }
  CAttraction* Place(const char* id, int32_t state, const char* movie = "film.avi") {
    CAttraction preview;
    preview.id = id;
    preview.state = state;
    preview.movieName = movie;
    auto object = std::make_unique<CAttraction>();
    object->InitFromTemplate(preview);
    return game->placedObjects.Place(std::move(object));
  }
  std::unique_ptr<VAvazadOvurUrovi> game;
};

TEST_F(MainObjectObjectsTest, TheGameHostsThePlacedObjectsWhileItLives) {
  EXPECT_EQ(g_attractionHost, game.get());
  EXPECT_EQ(game->GetObjectTypes(), &game->objectTypes);
  game.reset();
  EXPECT_EQ(g_attractionHost, nullptr);
}

TEST_F(MainObjectObjectsTest, ARemovedObjectTakesAllItsIconsAndOnlyItsOwn) {
  CAttraction* ride = Place("ride", 0);
  CAttraction* other = Place("other", 0, "movie");
  ASSERT_EQ(game->billboards.size(), 3u);  // two over the ride, one over the other
  ride->deletePending = 1;
  game->RemoveDeletedAttraction();
  ASSERT_EQ(game->billboards.size(), 1u);
  EXPECT_EQ(game->billboards[0].object, other);
  EXPECT_EQ(game->FindObjectByName("ride"), nullptr);
  EXPECT_EQ(game->FindObjectById(other->objectNumber), other);
  EXPECT_TRUE(game->ObjectExists("other"));
}

TEST_F(MainObjectObjectsTest, RemovingAPlantLowersTheGreeneryNotBelowZeroShown) {
  game->greeneryScore = 1;
  Place("fa_01_a", 4)->deletePending = 1;
  Place("fa_02_a", 4)->deletePending = 1;
  game->RemoveDeletedAttraction();
  EXPECT_EQ(game->greeneryScore, 0);
  EXPECT_EQ(game->greeneryPercent, 0);
  game->RemoveDeletedAttraction();
  EXPECT_EQ(game->greeneryScore, -1);
  EXPECT_EQ(game->greeneryPercent, 0);
  EXPECT_TRUE(game->placedObjects.Objects().empty());
}

}  // namespace
