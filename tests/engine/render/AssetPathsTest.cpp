#include "engine/render/ZOdevuvAssetPaths.h"

#include <atomic>
#include <thread>

#include "tests/engine/render/ModelTestSupport.h"

namespace {

using modeltest::EngineFixture;

class AssetPathsTest : public EngineFixture {
 protected:
  TextureEntry* Add(const char* file, const char* owner = "") {
    auto entry = std::make_unique<TextureEntry>();
    CopyTextField(entry->fileName, sizeof entry->fileName, file);
    CopyTextField(entry->ownerName, sizeof entry->ownerName, owner);
    return g_assetPaths->GetTextureByIndex(g_assetPaths->AddEntry(std::move(entry)));
  }
};

TEST_F(AssetPathsTest, EntriesOfOneFileNameShareTheFirstLoadedTexture) {
  WriteImage("first/wood.png");
  WriteImage("second/wood.png", 0xFFFF0000u);
  g_assetPaths->SetModelPath(PathOf("first").c_str());
  TextureEntry* a = Add("wood.png");
  g_assetPaths->LoadTextures();
  g_assetPaths->SetModelPath(PathOf("second").c_str());
  TextureEntry* b = Add("wood.png");
  TextureEntry* other = Add("other.png");
  g_assetPaths->LoadTextures();
  ASSERT_TRUE(a->HasTexture());
  EXPECT_FALSE(a->borrowed);
  EXPECT_TRUE(b->borrowed);
  EXPECT_EQ(b->GetTexture(), a->GetTexture());
  EXPECT_EQ(b->GetSurface(), a->GetSurface());
  EXPECT_FALSE(other->HasTexture());
  // Clearing drops both entries' hold on the one texture.
  std::weak_ptr<plat::Texture> texture = a->GetTexture();
  g_assetPaths->Clear();
  EXPECT_TRUE(texture.expired());
  EXPECT_EQ(g_assetPaths->GetEntryCount(), 0);
}

TEST_F(AssetPathsTest, AnEntryAfterAFailedLoadTriesTheFileItself) {
  g_assetPaths->SetModelPath(PathOf("models").c_str());
  TextureEntry* missing = Add("late.png");
  g_assetPaths->LoadTextures();
  EXPECT_FALSE(missing->HasTexture());
  WriteImage("models/late.png");
  TextureEntry* second = Add("late.png");
  EXPECT_FALSE(g_assetPaths->ShareLoadedTexture(second));
  g_assetPaths->LoadTextures();
  EXPECT_TRUE(second->HasTexture());
  EXPECT_FALSE(second->borrowed);
  // Entries before the first unloaded index are not visited again.
  EXPECT_FALSE(missing->HasTexture());
}

TEST_F(AssetPathsTest, LoadTexturesLoadsOnlyWhatWasAddedSinceTheLastCall) {
  WriteImage("m/a.png");
  g_assetPaths->SetModelPath(PathOf("m").c_str());
  TextureEntry* a = Add("a.png");
  g_assetPaths->LoadTextures();
  const auto texture = a->GetTexture();
  ASSERT_TRUE(texture);
  g_assetPaths->LoadTextures();
  EXPECT_EQ(a->GetTexture(), texture);
}

TEST_F(AssetPathsTest, LookupsByIndexAndOwnerName) {
  TextureEntry* model = Add("house.png");
  TextureEntry* light = Add("HouseLightingMap.dds", "House");
  EXPECT_EQ(g_assetPaths->GetTextureByIndex(-1), nullptr);
  EXPECT_EQ(g_assetPaths->GetTextureByIndex(2), nullptr);
  EXPECT_EQ(g_assetPaths->GetTextureByIndex(0), model);
  EXPECT_EQ(g_assetPaths->FindTexture("House"), light);
  EXPECT_EQ(g_assetPaths->FindTexture("house"), nullptr);
  EXPECT_EQ(g_assetPaths->FindTexture("house.png"), nullptr);
  EXPECT_EQ(g_assetPaths->FindTexture(""), nullptr);
  EXPECT_EQ(g_assetPaths->FindTexture(nullptr), nullptr);
}

TEST_F(AssetPathsTest, FoldersStartEmptyAndKeepTheirText) {
  EXPECT_EQ(g_assetPaths->GetLightMapFolder(), "");
  g_assetPaths->SetSecondPath("\\objects\\lm");
  g_assetPaths->SetModelPath("\\objects\\tex");
  EXPECT_EQ(g_assetPaths->GetLightMapFolder(), "\\objects\\lm");
  EXPECT_EQ(g_assetPaths->GetModelFolder(), "\\objects\\tex");
}

// A loading thread adds and loads entries while the drawing thread looks
// light maps up and reads textures.
TEST_F(AssetPathsTest, ReadersMayRunWhileALoaderAddsAndLoads) {
  WriteImage("m/shared.png");
  g_assetPaths->SetModelPath(PathOf("m").c_str());
  TextureEntry* first = Add("shared.png");
  std::atomic<bool> done{false};
  std::thread loader([&] {
    for (int i = 0; i < 200; ++i) {
      Add("shared.png", i % 10 == 0 ? "Owner" : "");
      g_assetPaths->LoadTextures();
    }
    done = true;
  });
  while (!done) {
    const TextureEntry* owned = g_assetPaths->FindTexture("Owner");
    if (owned) {
      EXPECT_STREQ(owned->ownerName, "Owner");
    }
    const TextureEntry* last = g_assetPaths->GetTextureByIndex(g_assetPaths->GetEntryCount() - 1);
    ASSERT_TRUE(last);
    EXPECT_STREQ(last->fileName, "shared.png");
  }
  loader.join();
  EXPECT_EQ(g_assetPaths->GetEntryCount(), 201);
  EXPECT_TRUE(g_assetPaths->GetTextureByIndex(200)->borrowed);
  EXPECT_EQ(g_assetPaths->GetTextureByIndex(200)->GetTexture(), first->GetTexture());
}

// Two loading threads, as the game runs them, each add entries and load the
// batch: every entry is loaded by one of them (the ThreadSanitizer run saw
// both read and write the first unloaded index without the lock).
TEST_F(AssetPathsTest, TwoLoadingThreadsShareTheBatchesWithoutARace) {
  constexpr int kPerThread = 100;
  WriteImage("m/a.png");
  WriteImage("m/b.png");
  g_assetPaths->SetModelPath(PathOf("m").c_str());
  auto load = [&](const char* file) {
    for (int i = 0; i < kPerThread; ++i) {
      Add(file);
      g_assetPaths->LoadTextures();
    }
  };
  std::thread first(load, "a.png");
  std::thread second(load, "b.png");
  first.join();
  second.join();
  ASSERT_EQ(g_assetPaths->GetEntryCount(), 2 * kPerThread);
  for (int i = 0; i < g_assetPaths->GetEntryCount(); ++i) EXPECT_TRUE(g_assetPaths->GetTextureByIndex(i)->HasTexture()) << i;
}

}  // namespace
