#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/core/SceneStream.h"
#include "platform/math/Math.h"
#include "world/CHeightMapHandlerClass.h"
#include "world/CPathFinder.h"

namespace {

using Grid = CHeightMapHandlerClass;
using Bytes = std::vector<unsigned char>;
constexpr int32_t kSide = Grid::kCellsPerSide;
constexpr size_t kEmptyCellBytes = 152;
constexpr size_t kEmptyGridBytes = kEmptyCellBytes * Grid::kCellCount;
// Offsets within a saved cell.
constexpr size_t kTypeOffset = 12;
constexpr size_t kLayerWordsOffset = 20;
constexpr size_t kNameOffset = 28;
constexpr size_t kCountOffset = 148;

// Where cell (i, j) starts in a block whose cells list no objects.
size_t CellOffset(int32_t i, int32_t j) { return (size_t(i) * Grid::kCellsPerSide + size_t(j)) * kEmptyCellBytes; }

void PutInt32(Bytes& bytes, size_t at, int32_t value) {
  for (int b = 0; b < 4; ++b) bytes[at + b] = static_cast<unsigned char>(uint32_t(value) >> (8 * b));
}

Bytes WithInt32(Bytes bytes, size_t at, int32_t value) {
  PutInt32(bytes, at, value);
  return bytes;
}

// The path and littered path counts.
struct PathCellCounters {
  int32_t pathCells = 0;
  int32_t dirtyPathCells = 0;
};

// Placed objects as the land sees them: an id and a fill value.
struct FakeObject {
  int32_t id;
  int32_t fill;
};

class CellGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid_->InitCells();
    CellGridLinks links;
    links.pathFinder = &finder_;
    links.pathCells = &counters_.pathCells;
    links.dirtyPathCells = &counters_.dirtyPathCells;
    links.rebuildFootpaths = [this] { ++rebuilds_; };
    links.objects.findById = [this](int32_t id) -> CAttraction* {
      for (FakeObject& object : objects_) {
        if (object.id == id) return reinterpret_cast<CAttraction*>(&object);
      }
      return nullptr;
    };
    links.objects.idOf = [](const CAttraction& object) { return reinterpret_cast<const FakeObject&>(object).id; };
    links.objects.fillValueOf = [](const CAttraction& object) {
      return reinterpret_cast<const FakeObject&>(object).fill;
    };
    grid_->SetCellGridLinks(links);
  }

  CAttraction* Object(int32_t id) { return grid_->GetCellGridLinks().objects.findById(id); }

  // The counters as they must be: path and tool cells, and the littered
  // ones, of the cells from 0 to below the given index on both axes.
  PathCellCounters Recount(int32_t below = kSide) const {
    PathCellCounters expected;
    for (int32_t i = 0; i < below; ++i) {
      for (int32_t j = 0; j < below; ++j) {
        CLandscapeCell cell;
        grid_->GetCell(i, j, cell);
        if (!cell.IsCountedAsPath()) continue;
        ++expected.pathCells;
        if (cell.IsLittered()) ++expected.dirtyPathCells;
      }
    }
    return expected;
  }

  Bytes Saved() const {
    std::FILE* file = std::tmpfile();
    {
      SceneStream out(file);
      grid_->SaveCells(out);
      std::fflush(file);
      Bytes bytes(size_t(std::ftell(file)));
      std::rewind(file);
      EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size());
      return bytes;
    }
  }

  bool Load(const Bytes& bytes) {
    std::FILE* file = std::tmpfile();
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    SceneStream in(file);
    return grid_->LoadCells(in);
  }

  // A fresh grid in place of the one under test, linked the same way.
  void ReplaceGrid() {
    CellGridLinks links = grid_->GetCellGridLinks();
    grid_ = std::make_unique<Grid>();
    grid_->InitCells();
    finder_ = CPathFinder(kSide, kSide);
    counters_ = {};
    grid_->SetCellGridLinks(links);
  }

  std::unique_ptr<Grid> grid_ = std::make_unique<Grid>();
  CPathFinder finder_{kSide, kSide};
  PathCellCounters counters_;
  int rebuilds_ = 0;
  std::vector<FakeObject> objects_ = {{1, 500}, {2, 40}, {3, 40}, {4, 1200}};
};

struct CellCase {
  float x, z;
  int32_t i, j;
  bool inside;
};

}  // namespace

TEST(CellGridMapping, WorldToCellRoundsHalfAwayFromZero) {
  const CellCase cases[] = {
      {-256, -256, 0, 0, true},      {-258, 0, -1, 64, false},  {253.99f, 0, 127, 64, true},
      {254, 0, 128, 64, false},      {-254, -250, 1, 2, true},  {-255.99f, -253.99f, 0, 1, true},
      {0, 252, 64, 127, true},       {-262, -256, -2, 0, false}, {1e30f, 0, -1, 64, false},
      {0, std::nanf(""), 64, -1, false},
  };
  for (const CellCase& c : cases) {
    int32_t i = 99, j = 99;
    EXPECT_EQ(Grid::WorldToCell(c.x, 7.0f, c.z, i, j), c.inside) << c.x << "," << c.z;
    EXPECT_EQ(i, c.i) << c.x;
    EXPECT_EQ(j, c.j) << c.z;
  }
}

TEST_F(CellGridTest, CellsSitOnTheirCentresAndAnswerWorldPoints) {
  plat::Vec3 position;
  ASSERT_TRUE(grid_->GetCellPosition(3, 5, position));
  EXPECT_EQ(position, (plat::Vec3{-244, 0, -236}));
  plat::Vec3 out{9, 9, 9};
  EXPECT_TRUE(grid_->GetCellAtWorld(-243.0f, 5.0f, -237.5f, out));
  EXPECT_EQ(out, position);
  EXPECT_FALSE(grid_->GetCellAtWorld(300.0f, 0.0f, 0.0f, out));
  EXPECT_FALSE(grid_->GetCellPosition(kSide, 0, position));
  EXPECT_FALSE(grid_->GetCellPosition(0, -1, position));
}

TEST_F(CellGridTest, ObjectIdsNamesAndLayers) {
  int32_t id = 0;
  EXPECT_FALSE(grid_->GetCellObjectId(4, 4, id));
  EXPECT_EQ(id, CLandscapeCell::kNoObject);
  grid_->SetCellObjectId(4, 4, 12);
  EXPECT_TRUE(grid_->GetCellObjectId(4, 4, id));
  EXPECT_EQ(id, 12);
  grid_->SetCellObjectId(kSide, 4, 12);
  EXPECT_FALSE(grid_->GetCellObjectId(kSide, 4, id));

  const std::string longName(150, 'n');
  grid_->SetCellName(-256, 0, -256, longName.c_str());
  grid_->SetCellName(-300, 0, -256, "outside");
  CLandscapeCell cell;
  grid_->GetCell(0, 0, cell);
  EXPECT_EQ(std::string(cell.GetName()), longName.substr(0, CLandscapeCell::kNameBytes - 1));

  grid_->SetCellLayer(2, 2, 3, 7);
  grid_->SetCellLayer(2, 2, 4, 9);
  grid_->GetCell(2, 2, cell);
  EXPECT_EQ(cell.GetLayer(3), 7);
  EXPECT_EQ(cell.GetLayer(4), 0);
  EXPECT_EQ(cell.GetLayer(0), 0);
}

TEST_F(CellGridTest, LowestPlantedObjectIsTheFirstWithTheSmallestFillBelowTheLimit) {
  EXPECT_EQ(grid_->GetLowestObjectInCell(6, 6), nullptr);
  grid_->SetCellLayerAndAddObject(6, 6, 2, 1, Object(4));
  EXPECT_EQ(grid_->GetLowestObjectInCell(6, 6), nullptr);
  for (int32_t id : {1, 2, 3}) grid_->SetCellLayerAndAddObject(6, 6, 2, 1, Object(id));
  EXPECT_EQ(grid_->GetLowestObjectInCell(6, 6), Object(2));
  // An object removed from the park is no longer reached.
  objects_.erase(objects_.begin() + 1);
  EXPECT_EQ(grid_->GetLowestObjectInCell(6, 6), Object(3));
}

TEST_F(CellGridTest, PathCellsKeepThePathFinderInStep) {
  EXPECT_FALSE(finder_.IsWalkable(10, 10));
  grid_->AddPathCell(10, 10, CLandscapeCell::kTypePath);
  grid_->AddPathCell(11, 10, CLandscapeCell::kTypePathSecondStyle);
  grid_->AddType2Cell(12, 10);
  EXPECT_TRUE(finder_.IsWalkable(10, 10));
  EXPECT_TRUE(finder_.IsWalkable(11, 10));
  EXPECT_FALSE(finder_.IsWalkable(12, 10));
  EXPECT_TRUE(grid_->IsPathCell(11, 10));
  EXPECT_FALSE(grid_->IsPathCell(12, 10));
  EXPECT_EQ(counters_.pathCells, 3);
  grid_->AddPathCell(12, 10, CLandscapeCell::kTypePath);
  EXPECT_TRUE(finder_.IsWalkable(12, 10));
  EXPECT_EQ(counters_.pathCells, 3);
  grid_->RemovePathCell(10, 10);
  EXPECT_FALSE(finder_.IsWalkable(10, 10));
  EXPECT_EQ(counters_.pathCells, 2);
  // A new path finder is brought in step when it is linked.
  CPathFinder fresh(kSide, kSide);
  CellGridLinks links = grid_->GetCellGridLinks();
  links.pathFinder = &fresh;
  grid_->SetCellGridLinks(links);
  EXPECT_FALSE(fresh.IsWalkable(0, 0));
  EXPECT_TRUE(fresh.IsWalkable(11, 10));
}

TEST_F(CellGridTest, LitterCountsOnlyRealChangesOfPathCells) {
  grid_->AddPathCell(20, 20, CLandscapeCell::kTypePath);
  plat::Vec3 centre;
  grid_->GetCellPosition(20, 20, centre);
  EXPECT_TRUE(grid_->DropLitterAt(centre.x, 0, centre.z));
  EXPECT_TRUE(grid_->IsCellLittered(20, 20));
  EXPECT_EQ(counters_.dirtyPathCells, 1);
  EXPECT_EQ(rebuilds_, 1);
  // Already dirty: nothing changes, no rebuild.
  grid_->DropLitterInCell(20, 20);
  EXPECT_EQ(counters_.dirtyPathCells, 1);
  EXPECT_EQ(rebuilds_, 1);
  EXPECT_TRUE(grid_->CleanLitterAt(centre.x, 0, centre.z));
  EXPECT_FALSE(grid_->IsCellLittered(20, 20));
  EXPECT_EQ(counters_.dirtyPathCells, 0);
  EXPECT_EQ(rebuilds_, 2);
  EXPECT_TRUE(grid_->CleanLitterAt(centre.x, 0, centre.z));
  EXPECT_EQ(counters_.dirtyPathCells, 0);
  EXPECT_EQ(rebuilds_, 2);
  // Off the paths litter lies, but no path got dirty.
  EXPECT_TRUE(grid_->DropLitterAt(0, 0, 0));
  EXPECT_EQ(counters_.dirtyPathCells, 0);
  EXPECT_FALSE(grid_->DropLitterAt(400, 0, 0));
  EXPECT_FALSE(grid_->CleanLitterAt(0, 0, -400));
  EXPECT_FALSE(grid_->IsCellLittered(-1, 0));
}

TEST_F(CellGridTest, ARemovedDirtyPathTakesItsLitterWithIt) {
  grid_->AddPathCell(30, 30, CLandscapeCell::kTypePath);
  grid_->DropLitterInCell(30, 30);
  grid_->RemovePathCell(30, 30);
  EXPECT_FALSE(grid_->IsCellLittered(30, 30));
  EXPECT_EQ(counters_.dirtyPathCells, 0);
  grid_->AddPathCell(30, 30, CLandscapeCell::kTypePath);
  EXPECT_EQ(counters_.dirtyPathCells, 0);
  EXPECT_EQ(counters_.pathCells, 1);
  // Removing what is no path changes nothing.
  grid_->RemovePathCell(31, 30);
  EXPECT_EQ(counters_.pathCells, 1);
}

TEST_F(CellGridTest, CountersUnderRandomEditsEqualARecount) {
  std::mt19937 random(77);
  // A small patch, so that edits meet the same cells often, and a margin
  // outside the grid; no other cell changes, so the patch is recounted after
  // every edit and the whole grid at the end.
  constexpr int32_t kPatch = 10;
  std::uniform_int_distribution<int32_t> index(-2, kPatch - 1);
  std::uniform_int_distribution<int> operation(0, 6);
  for (int step = 0; step < 5000; ++step) {
    const int32_t i = index(random), j = index(random);
    plat::Vec3 centre{float(i) * Grid::kCellSize - Grid::kGridHalfExtent, 0,
                      float(j) * Grid::kCellSize - Grid::kGridHalfExtent};
    switch (operation(random)) {
      case 0: grid_->AddPathCell(i, j, CLandscapeCell::kTypePath); break;
      case 1: grid_->AddPathCell(i, j, CLandscapeCell::kTypePathSecondStyle); break;
      case 2: grid_->AddType2Cell(i, j); break;
      case 3: grid_->RemovePathCell(i, j); break;
      case 4: grid_->DropLitterAt(centre.x, 0, centre.z); break;
      case 5: grid_->DropLitterInCell(i, j); break;
      default: grid_->CleanLitterAt(centre.x, 0, centre.z); break;
    }
    const PathCellCounters expected = Recount(kPatch);
    ASSERT_EQ(counters_.pathCells, expected.pathCells) << "step " << step;
    ASSERT_EQ(counters_.dirtyPathCells, expected.dirtyPathCells) << "step " << step;
    if (grid_->IsPathCell(i, j) != finder_.IsWalkable(i, j)) FAIL() << "walkability of " << i << "," << j;
  }
  const PathCellCounters whole = Recount();
  EXPECT_EQ(counters_.pathCells, whole.pathCells);
  EXPECT_EQ(counters_.dirtyPathCells, whole.dirtyPathCells);
  EXPECT_GT(whole.pathCells, 0);
}

TEST_F(CellGridTest, GridBlockRoundTrip) {
  EXPECT_EQ(Saved().size(), kEmptyGridBytes);
  grid_->AddPathCell(1, 2, CLandscapeCell::kTypePath);
  grid_->DropLitterInCell(1, 2);
  grid_->AddPathCell(2, 2, CLandscapeCell::kTypePathSecondStyle);
  grid_->AddType2Cell(3, 2);
  grid_->SetCellObjectId(5, 5, 3);
  grid_->SetCellName(-256, 0, -256, "fountain");
  grid_->SetCellLayerAndAddObject(7, 7, 2, 4, Object(1));
  grid_->SetCellLayerAndAddObject(7, 7, 3, 6, Object(2));
  const Bytes saved = Saved();
  EXPECT_EQ(saved.size(), kEmptyGridBytes + 2 * sizeof(int32_t));

  ReplaceGrid();
  ASSERT_TRUE(Load(saved));
  EXPECT_EQ(Saved(), saved);
  EXPECT_EQ(counters_.pathCells, 3);
  EXPECT_EQ(counters_.dirtyPathCells, 1);
  EXPECT_TRUE(finder_.IsWalkable(1, 2));
  EXPECT_TRUE(finder_.IsWalkable(2, 2));
  EXPECT_FALSE(finder_.IsWalkable(3, 2));
  EXPECT_FALSE(finder_.IsWalkable(0, 0));
  EXPECT_EQ(grid_->GetLowestObjectInCell(7, 7), Object(2));
  CLandscapeCell cell;
  grid_->GetCell(0, 0, cell);
  EXPECT_STREQ(cell.GetName(), "fountain");
}

TEST_F(CellGridTest, ReadingTakesLayerTwoFromTheSecondWordAndDropsWhatCannotBeKept) {
  Bytes block = Saved();
  const size_t cell = CellOffset(4, 9);
  PutInt32(block, cell + kTypeOffset, CLandscapeCell::kTypePathSecondStyle);
  PutInt32(block, cell + kLayerWordsOffset, 1 | 9 << 16);
  PutInt32(block, cell + kLayerWordsOffset + 4, 4 | 6 << 16);
  std::memset(&block[cell + kNameOffset], 'x', CLandscapeCell::kNameBytes);
  // The last cell lists one object that exists and one that does not.
  const size_t last = CellOffset(kSide - 1, kSide - 1);
  PutInt32(block, last + kCountOffset, 2);
  for (int32_t id : {99, 3}) {
    for (int b = 0; b < 4; ++b) block.push_back(static_cast<unsigned char>(id >> (8 * b)));
  }
  ASSERT_TRUE(Load(block));
  CLandscapeCell read;
  grid_->GetCell(4, 9, read);
  EXPECT_EQ(read.GetLayer(1), 1);
  EXPECT_EQ(read.GetLayer(2), 4);
  EXPECT_EQ(read.GetLayer(3), 6);
  EXPECT_EQ(std::string(read.GetName()), std::string(CLandscapeCell::kNameBytes - 1, 'x'));
  EXPECT_TRUE(finder_.IsWalkable(4, 9));
  grid_->GetCell(kSide - 1, kSide - 1, read);
  EXPECT_EQ(read.GetObjectIds(), std::vector<int32_t>{3});
}

TEST_F(CellGridTest, MalformedBlocksEndTheReadAndLeaveTheGridAsItWas) {
  const Bytes good = Saved();
  const size_t last = CellOffset(kSide - 1, kSide - 1);
  struct Case {
    const char* what;
    Bytes block;
  };
  const Case cases[] = {
      {"empty", {}},
      {"half a cell", Bytes(good.begin(), good.begin() + kEmptyCellBytes / 2)},
      {"one byte short", Bytes(good.begin(), good.end() - 1)},
      {"negative object count", WithInt32(good, kCountOffset, -1)},
      {"huge object count", WithInt32(good, kCountOffset, 0x7FFFFFFF)},
      {"count past the limit", WithInt32(good, kCountOffset, CLandscapeCell::kMaxSavedObjects + 1)},
      {"listed ids missing at the end", WithInt32(good, last + kCountOffset, 3)},
  };
  grid_->AddPathCell(1, 2, CLandscapeCell::kTypePath);
  grid_->DropLitterInCell(1, 2);
  const Bytes before = Saved();
  for (const Case& c : cases) {
    EXPECT_FALSE(Load(c.block)) << c.what;
    EXPECT_EQ(Saved(), before) << c.what;
    EXPECT_TRUE(finder_.IsWalkable(1, 2)) << c.what;
    EXPECT_EQ(counters_.pathCells, 1) << c.what;
    EXPECT_EQ(counters_.dirtyPathCells, 1) << c.what;
  }
}
