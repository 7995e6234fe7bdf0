// The footpath mesh: the shape and atlas tile each path cell gets from its
// neighbours, litter and style; the vertices the mesh is drawn with; the
// saved node block; and the preview tile.
#include <cstdio>
#include <vector>

#include "engine/core/SceneStream.h"
#include "platform/gfx/DdsCodec.h"
#include "platform/os/DebugOutput.h"
#include "tests/world/render/WorldRenderFixture.h"
#include "world/CPorvikRoad.h"

namespace {

using Cell = CLandscapeCell;
constexpr int32_t kI = 20;
constexpr int32_t kJ = 30;
constexpr size_t kNodeBytes = 40;
constexpr float kTile = 1.0f / CPorvikRoad::kAtlasTiles;

class CPorvikRoadTest : public worldrender::WorldRenderFixture {
 protected:
  void SetUp() override {
    WorldRenderFixture::SetUp();
    LoadWorldEffects();
    road_ = std::make_unique<CPorvikRoad>(terrain_, m_dir.string());
  }

  const CPorvikRoad::Node* NodeAt(int32_t i, int32_t j) const {
    plat::Vec3 centre;
    terrain_.GetCellPosition(i, j, centre);
    for (const CPorvikRoad::Node& node : road_->GetNodes()) {
      if (node.position.x == centre.x && node.position.z == centre.z) return &node;
    }
    return nullptr;
  }

  // The mesh as the scene pass draws it.
  plat::DrawRecord DrawnMesh() {
    Record([&] { road_->DrawShadow(); });
    const std::vector<plat::DrawRecord> draws = Draws();
    if (draws.size() != 1) {
      ADD_FAILURE() << draws.size() << " draws";
      return {};
    }
    return draws[0];
  }

  std::unique_ptr<CPorvikRoad> road_;
};

TEST_F(CPorvikRoadTest, ShapeFollowsEveryNeighbourSet) {
  // L R U D as bits, L highest; U is the next cell along j.
  const int32_t kExpected[16] = {0, 1, 1, 1, 0, 3, 2, 10, 0, 5, 4, 9, 0, 8, 7, 6};
  for (int mask = 0; mask < 16; ++mask) {
    const bool l = mask & 8, r = mask & 4, u = mask & 2, d = mask & 1;
    EXPECT_EQ(CPorvikRoad::ShapeOf(l, r, u, d), kExpected[mask]) << "mask " << mask;
    terrain_.InitCells();
    terrain_.AddPathCell(kI, kJ, Cell::kTypePath);
    if (l) terrain_.AddPathCell(kI - 1, kJ, Cell::kTypePath);
    if (r) terrain_.AddPathCell(kI + 1, kJ, Cell::kTypePathSecondStyle);
    if (u) terrain_.AddPathCell(kI, kJ + 1, Cell::kTypePath);
    if (d) terrain_.AddPathCell(kI, kJ - 1, Cell::kTypePath);
    // A tool cell is no path neighbour.
    terrain_.AddType2Cell(kI + 1, kJ + 1);
    road_->BuildGeometry();
    const CPorvikRoad::Node* node = NodeAt(kI, kJ);
    ASSERT_NE(node, nullptr) << "mask " << mask;
    EXPECT_EQ(node->shape, kExpected[mask]) << "mask " << mask;
    EXPECT_EQ(road_->GetNodes().size(), size_t(1 + __builtin_popcount(unsigned(mask))));
  }
}

TEST_F(CPorvikRoadTest, CellsAtTheBorderSeeNoPathBeyondIt) {
  const int32_t last = CHeightMapHandlerClass::kCellsPerSide - 1;
  terrain_.AddPathCell(0, 0, Cell::kTypePath);
  terrain_.AddPathCell(last, last, Cell::kTypePath);
  terrain_.AddPathCell(last, last - 1, Cell::kTypePath);
  road_->BuildGeometry();
  ASSERT_EQ(road_->GetNodes().size(), 3u);
  EXPECT_EQ(NodeAt(0, 0)->shape, 0);
  EXPECT_EQ(NodeAt(last, last)->shape, 1);  // only the lower neighbour
}

TEST_F(CPorvikRoadTest, VariantPicksTheTileAndTheVerticesCarryItsCorners) {
  struct Case {
    uint16_t type, litter;
    int32_t variant;
  };
  const Case cases[] = {{Cell::kTypePath, 0, 0},  {Cell::kTypePath, 1, 0},  {Cell::kTypePathSecondStyle, 1, 1},
                        {Cell::kTypePath, 2, 2},  {Cell::kTypePath, 3, 2},  {Cell::kTypePathSecondStyle, 2, 3},
                        {Cell::kTypePathSecondStyle, 7, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(CPorvikRoad::VariantOf(c.litter, c.type), c.variant) << c.type << "/" << c.litter;
    terrain_.InitCells();
    terrain_.AddPathCell(kI, kJ, c.type);
    terrain_.SetCellLayer(kI, kJ, 1, c.litter);
    road_->BuildGeometry();
    ASSERT_EQ(road_->GetNodes().size(), 1u);
    EXPECT_EQ(road_->GetNodes()[0].variant, c.variant);
    // A lone cell has shape 0, the tile at column 1, row 0 of its quarter.
    const CPorvikRoad::Tile tile = CPorvikRoad::TileOf(0, c.variant);
    EXPECT_EQ(tile.column, 1 + (c.variant % 2) * 4);
    EXPECT_EQ(tile.row, (c.variant / 2) * 4);
    const plat::DrawRecord mesh = DrawnMesh();
    ASSERT_EQ(mesh.VertexCount(), 6u);
    const float uL = tile.column * kTile, uR = (tile.column + 1) * kTile;
    const float vT = tile.row * kTile, vB = (tile.row + 1) * kTile;
    const float u[6] = {uL, uR, uL, uR, uR, uL}, v[6] = {vT, vT, vB, vT, vB, vB};
    for (uint32_t k = 0; k < 6; ++k) {
      EXPECT_FLOAT_EQ(mesh.Read<float>(k, 24), u[k]) << "vertex " << k;
      EXPECT_FLOAT_EQ(mesh.Read<float>(k, 28), v[k]) << "vertex " << k;
    }
  }
}

TEST_F(CPorvikRoadTest, EveryShapeHasItsOwnTile) {
  std::vector<std::pair<int32_t, int32_t>> seen;
  for (int32_t shape = 0; shape <= 10; ++shape) {
    for (int32_t variant = 0; variant < 4; ++variant) {
      const CPorvikRoad::Tile t = CPorvikRoad::TileOf(shape, variant);
      EXPECT_GE(t.column, 0);
      EXPECT_LT(t.column, CPorvikRoad::kAtlasTiles);
      EXPECT_LT(t.row, CPorvikRoad::kAtlasTiles);
      for (const auto& s : seen) EXPECT_FALSE(s.first == t.column && s.second == t.row) << shape << "/" << variant;
      seen.push_back({t.column, t.row});
    }
  }
}

TEST_F(CPorvikRoadTest, MeshIsOneDrawOfAllCellsWithCutOutEdgesAndNoCulling) {
  terrain_.AddPathCell(kI, kJ, Cell::kTypePath);
  terrain_.AddPathCell(kI + 1, kJ, Cell::kTypePath);
  road_->BuildGeometry();
  EXPECT_EQ(road_->GetVertexCount(), 12);
  EXPECT_EQ(road_->GetTriangleCount(), 4);
  const plat::DrawRecord mesh = DrawnMesh();
  EXPECT_EQ(mesh.effect, EffectFile("Default_shadow"));
  EXPECT_EQ(mesh.technique, "RenderSceneTransparency");
  EXPECT_EQ(mesh.primitiveCount, 4u);
  EXPECT_EQ(mesh.stride, 64u);
  EXPECT_EQ(Device().Record().RenderStateValues(plat::RenderState::AlphaRef).front(), 160u);
  EXPECT_EQ(Device().Record().RenderStateValues(plat::RenderState::CullMode).front(), plat::Cull::None);
  EXPECT_EQ(Device().GetRenderState(plat::RenderState::CullMode), plat::Cull::Ccw);
  EXPECT_EQ(Device().GetRenderState(plat::RenderState::AlphaTestEnable), plat::kFalse);
  LastSet("g_txScene");
  LastSet("g_mViewToLightProj");
  // Vertices are the template square moved to the cell centre.
  plat::Vec3 centre;
  terrain_.GetCellPosition(kI, kJ, centre);
  EXPECT_FLOAT_EQ(mesh.Read<float>(0, 0), centre.x - 2);
  EXPECT_FLOAT_EQ(mesh.Read<float>(0, 8), centre.z + 2);
  EXPECT_FLOAT_EQ(mesh.Read<float>(4, 0), centre.x + 2);
  EXPECT_FLOAT_EQ(mesh.Read<float>(4, 8), centre.z - 2);
}

TEST_F(CPorvikRoadTest, NoPathCellsGiveNoBufferAndNoDraw) {
  terrain_.AddPathCell(kI, kJ, Cell::kTypePath);
  road_->BuildGeometry();
  ASSERT_TRUE(road_->HasVertexBuffer());
  terrain_.RemovePathCell(kI, kJ);
  road_->BuildGeometry();
  EXPECT_TRUE(road_->GetNodes().empty());
  EXPECT_FALSE(road_->HasVertexBuffer());
  Record([&] { road_->DrawShadow(); });
  EXPECT_TRUE(Draws().empty());
}

// The saved block is a count and 40 bytes a node: position, shape, the six
// heights; the variant is not stored.
TEST_F(CPorvikRoadTest, NodesAreSavedAsFortyBytesAndReadBackOnlyToStayInStep) {
  terrain_.AddPathCell(kI, kJ, Cell::kTypePathSecondStyle);
  terrain_.AddPathCell(kI, kJ + 1, Cell::kTypePath);
  road_->BuildGeometry();
  std::FILE* file = std::tmpfile();
  SceneStream stream(file);
  road_->SaveNodes(stream);
  stream.WriteInt32(0x7A7A7A7A);  // what the scene file holds next
  std::fflush(file);
  std::rewind(file);
  std::vector<unsigned char> bytes(4 + 2 * kNodeBytes + 4);
  ASSERT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size());
  int32_t count = 0, shape = 0;
  float x = 0, height = 0;
  std::memcpy(&count, &bytes[0], 4);
  std::memcpy(&x, &bytes[4], 4);
  std::memcpy(&shape, &bytes[16], 4);
  std::memcpy(&height, &bytes[20], 4);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(x, road_->GetNodes()[0].position.x);
  EXPECT_EQ(shape, road_->GetNodes()[0].shape);
  EXPECT_FLOAT_EQ(height, CPorvikRoad::kLift);  // flat land at 0

  // Reading rebuilds from the grid, whatever the block held.
  terrain_.InitCells();
  terrain_.AddPathCell(5, 5, Cell::kTypePath);
  std::rewind(file);
  EXPECT_TRUE(road_->LoadNodes(stream));
  EXPECT_EQ(stream.ReadInt32(), 0x7A7A7A7A);
  ASSERT_EQ(road_->GetNodes().size(), 1u);
  EXPECT_NE(NodeAt(5, 5), nullptr);
}

TEST_F(CPorvikRoadTest, ABadNodeCountStopsTheRead) {
  for (int32_t count : {-1, CPorvikRoad::kMaxStoredNodes + 1}) {
    std::FILE* file = std::tmpfile();
    SceneStream stream(file);
    stream.WriteInt32(count);
    std::rewind(file);
    EXPECT_FALSE(road_->LoadNodes(stream)) << count;
  }
  // A block cut short.
  std::FILE* file = std::tmpfile();
  SceneStream stream(file);
  stream.WriteInt32(3);
  stream.WriteFloat(1.0f);
  std::rewind(file);
  EXPECT_FALSE(road_->LoadNodes(stream));
}

TEST_F(CPorvikRoadTest, NodeHeightsFollowTheGroundAtTheSixCorners) {
  // A ramp rising along x and, more gently, along z.
  plat::Image image;
  image.format = plat::Format::A8R8G8B8;
  image.width = image.height = 64;
  plat::ImageLevel level;
  level.width = level.height = 64;
  level.pitch = 64 * 4;
  level.bytes.resize(size_t(level.pitch) * 64);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      unsigned char* t = &level.bytes[size_t(y * 64 + x) * 4];
      t[0] = t[1] = t[2] = static_cast<unsigned char>(x * 3 + y);
      t[3] = 255;
    }
  }
  image.levels.push_back(level);
  std::vector<uint8_t> dds;
  ASSERT_TRUE(plat::EncodeDds(image, dds));
  ASSERT_TRUE(terrain_.LoadHeightMap(WriteBytes("ramp.dds", dds).c_str()));
  terrain_.Init(m_dir.string().c_str());
  CPorvikRoad::Node node;
  road_->SampleQuadHeights(10.0f, 5.0f, -20.0f, node);
  const float dx[6] = {-2, 2, -2, 2, 2, -2}, dz[6] = {2, 2, -2, 2, -2, -2};
  for (int k = 0; k < 6; ++k) {
    EXPECT_FLOAT_EQ(node.heights[size_t(k)], terrain_.GetHeight({10 + dx[k], 0, -20 + dz[k]}) + 0.03f) << k;
  }
  EXPECT_NE(node.heights[0], node.heights[1]);
  EXPECT_NE(node.heights[1], node.heights[4]);
}

TEST_F(CPorvikRoadTest, PreviewTileIsACrossingWithTheChosenTexture) {
  for (bool removing : {false, true}) {
    Record([&] { road_->Draw(4.0f, 1.0f, 8.0f, 1, removing); });
    const std::vector<plat::DrawRecord> draws = Draws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].effect, EffectFile("Default"));
    EXPECT_EQ(draws[0].technique, "textured");
    EXPECT_EQ(draws[0].primitiveCount, 2u);
    // Shape 6 in the second style: column 2 + 4, row 0.
    EXPECT_FLOAT_EQ(draws[0].Read<float>(0, 24), 6 * kTile);
    EXPECT_FLOAT_EQ(draws[0].Read<float>(0, 28), 0.0f);
    EXPECT_FLOAT_EQ(draws[0].Read<float>(0, 0), 2.0f);
    EXPECT_EQ(LastSet("mPower").floats.at(0), 30.0f);
    LastSet("Dtex");
    LastSet("lightDir");
    EXPECT_EQ(Device().GetRenderState(plat::RenderState::AlphaBlendEnable), plat::kFalse);
    EXPECT_EQ(Device().GetRenderState(plat::RenderState::CullMode), plat::Cull::Ccw);
  }
}

}  // namespace

namespace {

TEST_F(CPorvikRoadTest, MissingTexturesAreReportedOnceAndTheDemoParkHasThem) {
  std::string output;
  plat::SetDebugOutputSink([&](std::string_view text) { output += text; });
  // The fixture's folder has no textures.
  CPorvikRoad missing(terrain_, m_dir.string());
  terrain_.AddPathCell(kI, kJ, Cell::kTypePath);
  missing.BuildGeometry();
  Record([&] { missing.DrawShadow(); });
  EXPECT_EQ(Draws().size(), 1u);
  for (const char* file : {CPorvikRoad::kAtlasFile, CPorvikRoad::kSecondFile, CPorvikRoad::kRemovalFile}) {
    const size_t first = output.find(file);
    EXPECT_NE(first, std::string::npos) << file;
    EXPECT_EQ(output.find(file, first + 1), std::string::npos) << file;
  }
  output.clear();
  CPorvikRoad demo(terrain_, HALVENOR_PARK_DIR);
  plat::SetDebugOutputSink(nullptr);
  EXPECT_EQ(output, "");
  EXPECT_FLOAT_EQ(demo.GetTileWidth(), 1.0f / 8);
  EXPECT_FLOAT_EQ(demo.GetTileHeight(), 1.0f / 8);
}

}  // namespace
