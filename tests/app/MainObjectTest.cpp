#include "app/VAvazadOvurUrovi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvTexture.h"
#include "park/CBillboardIcon.h"
#include "gui/core/CGuiElement.h"
#include "platform/os/Clock.h"
#include "platform/os/Path.h"

namespace {

using Bytes = std::vector<unsigned char>;

// The main object with a fake clock that says 2031-07-04 12:00 UTC.
class MainObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_clock.SetSystemTime({2031, 7, 4, 4, 12, 0, 0, 0});
    plat::SetClock(&m_clock);
    game = std::make_unique<VAvazadOvurUrovi>();
  }
  void TearDown() override {
    game.reset();
    plat::SetClock(nullptr);
  }

  plat::FakeClock m_clock;
  std::unique_ptr<VAvazadOvurUrovi> game;
};

std::FILE* FileOf(const Bytes& bytes) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

Bytes ContentOf(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  Bytes bytes;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) bytes.push_back(static_cast<unsigned char>(c));
  return bytes;
}

}  // namespace

TEST_F(MainObjectTest, ConstructionSetsTheStartValues) {
  EXPECT_EQ(g_game, game.get());
  EXPECT_EQ(g_engine, game.get());
  EXPECT_EQ(game->baseDirectory.Std(), plat::CurrentDirectory());
  EXPECT_FLOAT_EQ(game->waterLevel, -0.79999f);
  EXPECT_FLOAT_EQ(game->fogStart, 100.0f);
  EXPECT_FLOAT_EQ(game->fogEnd, 800.0f);
  EXPECT_FLOAT_EQ(game->fogDensity, 0.0001f);
  EXPECT_EQ(game->linearFog, 1);
  EXPECT_EQ(game->gameSpeed, 1);
  EXPECT_EQ(game->simulationHalted, 1);
  EXPECT_EQ(game->resourcesReady, 0);
  EXPECT_EQ(game->cash, 0);
  EXPECT_EQ(game->recordCounter, 26);
  EXPECT_EQ(game->parkCounters[4], 100);
  EXPECT_EQ(game->moodTotals.moodSum, 80);
  EXPECT_EQ(game->drawCounter, 9999999);
  EXPECT_EQ(game->saveListSelectedRow, -1);
  EXPECT_FLOAT_EQ(game->ambienceLevel, 70.0f);
  EXPECT_FLOAT_EQ(game->ambienceColour[1], 240.0f);
  for (uint8_t byte : {game->shadowEnabled, game->reflectionEnabled, game->refractionEnabled,
                       game->particlesEnabled, game->fogEnabled, game->animalsEnabled, game->loadingScreenActive,
                       game->farCutEnabled}) {
    EXPECT_EQ(byte, 1);
  }
}

TEST_F(MainObjectTest, TheGameStartsOnTheTwentyFirstOfMarchOfTheCurrentYearAtTen) {
  EXPECT_EQ(game->gameDate.year, 2031);
  EXPECT_EQ(game->gameDate.month, 3);
  EXPECT_EQ(game->gameDate.day, 21);
  EXPECT_EQ(game->previousDate.year, 2031);
  EXPECT_EQ(game->clockStamp.month, 3);
  EXPECT_EQ(game->clockStamp.hour, 10);
  EXPECT_EQ(game->gameHour, 10);
}

TEST(MainObject, DestructionClearsTheGlobalSlotsAndFreesWhatItOwns) {
  auto game = std::make_unique<VAvazadOvurUrovi>();
  game->billboards.push_back({new CBillboardIcon, nullptr, 0});
  game->videoTexture = new ZOdevuvTexture;
  game.reset();
  EXPECT_EQ(g_game, nullptr);
  EXPECT_EQ(g_engine, nullptr);
  EXPECT_EQ(g_guiMain, nullptr);
}

TEST_F(MainObjectTest, TheValuePrimitivesWriteTheSavedGamesLayoutAndReadItBack) {
  std::FILE* file = std::tmpfile();
  SceneStream out(file);
  game->WriteInt32(out, -2);
  game->WriteBool(out, true);
  game->WriteString(out, "abc");
  game->WriteString(out, "");
  const Bytes expected = {0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c', 0, 0, 0, 0};
  const Bytes written = ContentOf(file);
  EXPECT_EQ(written, expected);

  SceneStream in(FileOf(written));
  EXPECT_EQ(game->ReadInt32(in), -2);
  EXPECT_TRUE(game->ReadBool(in));
  EXPECT_EQ(game->ReadString(in).Std(), "abc");
  EXPECT_EQ(game->ReadString(in).Std(), "");
  EXPECT_TRUE(in.Good());
}

TEST_F(MainObjectTest, ABadCountOrAShortStreamStopsEveryLaterRead) {
  struct Case {
    const char* what;
    Bytes bytes;
  };
  const Case cases[] = {
      // Each followed by an integer 7 that must no longer be read, where
      // the stream goes on.
      {"negative count", {0xFF, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0}},
      {"count above 999", {0xE8, 0x03, 0, 0, 7, 0, 0, 0}},
      {"text shorter than its count", {5, 0, 0, 0, 'a', 'b'}},
      {"count cut short", {5, 0}},
  };
  for (const Case& c : cases) {
    SceneStream in(FileOf(c.bytes));
    EXPECT_EQ(game->ReadString(in).Std(), "") << c.what;
    EXPECT_FALSE(in.Good()) << c.what;
    EXPECT_EQ(game->ReadInt32(in), 0) << c.what;
    EXPECT_FALSE(game->ReadBool(in)) << c.what;
  }
}

TEST_F(MainObjectTest, TheLoadingMarkerMovesDownByUpToSixtyFivePixels) {
  struct Case {
    int32_t done, total, offset;
  };
  const Case cases[] = {{5, 3, 0}, {0, 0, 0}, {1, 7, 16}, {4, 7, 65}, {22, 25, 65}, {0, 25, 0}, {30, 25, 65}};
  for (const Case& c : cases) {
    EXPECT_EQ(VAvazadOvurUrovi::LoadingMarkerOffset(c.done, c.total), c.offset) << c.done << "/" << c.total;
  }
}

TEST_F(MainObjectTest, TheLoadingMarkerIsPlacedBelowTheTopOfItsTrack) {
  auto* root = new CGuiElement;
  root->CreateSized(nullptr, 1, 0, 0, 0, 800, 600, 0, 1, 1);
  auto* track = new CGuiElement;
  track->CreateSized(root, 10256, 0, 400, 250, 20, 90, 0, 1, 1);
  auto* marker = new CGuiElement;
  marker->CreateSized(root, 10257, 0, 405, 0, 10, 10, 0, 1, 1);
  root->AddChild(track);
  root->AddChild(marker);
  game->AddLayer(1, 1, root, 0);
  game->SetLoadingProgress(1, 7);
  EXPECT_EQ(game->loadingMarkerOffset, 16);
  EXPECT_EQ(marker->record->y, 266);
  EXPECT_EQ(marker->rect.top, 266);
  game->SetLoadingProgress(0, 2);
  EXPECT_EQ(marker->record->y, 250);
}

TEST_F(MainObjectTest, SoundsFadeWithDistanceWithinTheSoundManagersRange) {
  struct Case {
    int32_t effectVolume;
    float distance;
    int32_t volume;
  };
  const Case cases[] = {
      {100, 10.0f, 550}, {100, 0.5f, 595}, {100, 1.0f, 595}, {0, 1.0f, 195},
      {0, 200.0f, 0},    {100, 1e30f, 0},  {250, 1.0f, 1000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VAvazadOvurUrovi::SoundVolumeAtDistance(c.effectVolume, c.distance), c.volume)
        << c.effectVolume << " at " << c.distance;
  }
}

TEST_F(MainObjectTest, AModalScreenIsOpenOnlyWhileTheCursorIsOverAHoverElementAndTheStatusPanelExists) {
  CGuiElement panel, bar, book;
  EXPECT_FALSE(game->IsModalScreenOpen());
  game->hoverElements[1] = &bar;
  bar.hover = 1;
  EXPECT_FALSE(game->IsModalScreenOpen()) << "no status panel";
  game->hoverElements[0] = &panel;
  game->hoverElements[2] = &book;
  EXPECT_TRUE(game->IsModalScreenOpen());
  bar.hover = 0;
  EXPECT_FALSE(game->IsModalScreenOpen());
  panel.hover = 1;
  EXPECT_TRUE(game->IsModalScreenOpen());
  game->hoverElements[0] = game->hoverElements[1] = game->hoverElements[2] = nullptr;
}

TEST_F(MainObjectTest, TheEmptyPlacedRecordGoesToTheSecondListWithThePreviousDate) {
  game->AddEmptyPlacedRecord();
  ASSERT_EQ(game->historyRecords.size(), 1u);
  EXPECT_TRUE(game->placedRecords.empty());
  const PlacedRecord& record = game->historyRecords[0];
  EXPECT_EQ(record.first, 1);
  EXPECT_EQ(record.name.Std(), "");
  EXPECT_EQ(record.values[0], 26);
  EXPECT_EQ(record.values[1], 2031);
  EXPECT_EQ(record.values[2], 3);
  EXPECT_EQ(record.values[3], 21);
}

TEST_F(MainObjectTest, CashAddsUpWithoutWrappingAndAffordabilityIsExact) {
  game->cash = 100;
  game->AddCash(-150);
  EXPECT_EQ(game->cash, -50);
  game->cash = 2147483000;
  game->AddCash(1000);
  EXPECT_EQ(game->cash, 2147483647);
  game->cash = -2147483000;
  game->AddCash(-1000);
  EXPECT_EQ(game->cash, -2147483647 - 1);

  struct Case {
    int32_t cash, price;
    bool affordable;
  };
  const Case cases[] = {
      {500, 500, true},  {500, 501, false}, {0, 0, true},  {-10, -20, true},
      {2147483647, -2147483647 - 1, true},  {-2147483647 - 1, 1, false}, {-5, 2147483647, false},
  };
  for (const Case& c : cases) {
    game->cash = c.cash;
    EXPECT_EQ(game->CanAfford(c.price), c.affordable) << c.cash << " for " << c.price;
  }
}
