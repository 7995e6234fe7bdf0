#include "engine/render/ZOdevuv3DObject.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "tests/engine/render/ModelTestSupport.h"

namespace {

using modeltest::EngineFixture;
using modeltest::NewVertices;
using modeltest::Vertex;
using plat::Vec3;

void ExpectNear(const Vec3& a, const Vec3& b) {
  EXPECT_NEAR(a.x, b.x, 1e-5f);
  EXPECT_NEAR(a.y, b.y, 1e-5f);
  EXPECT_NEAR(a.z, b.z, 1e-5f);
}

TEST(ComputeTangents, FollowTheTextureAxesOfEachTriangle) {
  // u grows along +x and v along +z; the second triangle is the first one
  // larger, with a larger texture on it, and has the same unit frame.
  MeshVertex v[8] = {Vertex({0, 0, 0}, 0, 0), Vertex({2, 0, 0}, 1, 0), Vertex({0, 0, 2}, 0, 1),
                     Vertex({1, 1, 1}, 0, 0), Vertex({5, 1, 1}, 2, 0), Vertex({1, 1, 5}, 0, 2),
                     Vertex({5, 5, 5}, 0, 0), Vertex({6, 5, 5}, 1, 1)};
  v[6].tangent = v[7].tangent = {9, 9, 9};
  ComputeTangents(8, v);
  for (int i = 0; i < 6; ++i) {
    ExpectNear(v[i].tangent, {1, 0, 0});
    ExpectNear(v[i].binormal, {0, 0, 1});
  }
  // The two vertices after the last whole triangle keep what they had.
  EXPECT_EQ(v[6].tangent, (Vec3{9, 9, 9}));
  EXPECT_EQ(v[7].tangent, (Vec3{9, 9, 9}));
}

TEST(ComputeTangents, DegenerateTrianglesGetTheTextureAxes) {
  // Collinear texture coordinates, and a triangle whose positions all meet
  // in one point (a zero frame that must not be divided by).
  MeshVertex v[6] = {Vertex({0, 0, 0}, 0, 0), Vertex({1, 0, 0}, 0.5f, 0.5f), Vertex({0, 1, 0}, 1, 1),
                     Vertex({3, 3, 3}, 0, 0), Vertex({3, 3, 3}, 1, 0), Vertex({3, 3, 3}, 0, 1)};
  ComputeTangents(6, v);
  for (const MeshVertex& vertex : v) {
    EXPECT_EQ(vertex.tangent, (Vec3{1, 0, 0}));
    EXPECT_EQ(vertex.binormal, (Vec3{0, 1, 0}));
  }
}

ModelMaterialRecord RecordWithMaps(std::vector<std::pair<int, int>> kindsAndEntries) {
  ModelMaterialRecord record;
  for (auto [kind, entry] : kindsAndEntries) {
    ModelTextureMapRecord map;
    map.kind = kind;
    map.registryIndex = entry;
    record.textureMaps.push_back(map);
  }
  return record;
}

class Object3DTest : public EngineFixture {
 protected:
  int AddEntry(const char* file) {
    auto entry = std::make_unique<TextureEntry>();
    CopyTextField(entry->fileName, sizeof entry->fileName, file);
    return g_assetPaths->AddEntry(std::move(entry));
  }
  std::vector<MeshVertex> Triangle() {
    return {Vertex({0, 0, 0}, 0.25f, 0.5f), Vertex({1, 0, 0}, 1, 0.5f), Vertex({0, 1, 0}, 0.25f, 1)};
  }
};

TEST_F(Object3DTest, MaterialsWithoutPowerOrRecordGetDefaults) {
  ZOdevuv3DObject object;
  ModelMaterialRecord record;
  record.floats[4] = 0.7f;  // diffuse red
  record.floats[0] = 0.3f;  // ambient red
  object.AddMaterial(&record, 0);
  object.AddMaterial(nullptr, 0);
  record.floats[13] = 12;
  object.AddMaterial(&record, 0);
  const auto& m = object.GetMaterials();
  ASSERT_EQ(m.size(), 3u);
  EXPECT_FLOAT_EQ(m[0].power, 128.0f);
  EXPECT_FLOAT_EQ(m[0].diffuse.r, 0.7f);
  EXPECT_FLOAT_EQ(m[0].ambient.r, 0.3f);
  EXPECT_FLOAT_EQ(m[1].diffuse.g, 0.5f);
  EXPECT_FLOAT_EQ(m[1].ambient.a, 0.5f);
  EXPECT_FLOAT_EQ(m[1].power, 128.0f);
  EXPECT_FLOAT_EQ(m[2].power, 12.0f);
  EXPECT_EQ(object.GetMaterialRecords().size(), 2u);
}

TEST_F(Object3DTest, SingleMapTilingMovesCoordinatesAndNoLightMapClearsTheSecondSet) {
  ZOdevuv3DObject object;
  object.SetName("Tiled");
  ModelMaterialRecord record = RecordWithMaps({{1, AddEntry("stone.png")}});
  record.textureMaps[0].values[0] = 0.5f;  // offset u
  record.textureMaps[0].values[2] = 2.0f;  // tiling u
  record.textureMaps[0].values[3] = 2.0f;  // tiling v
  object.AddMaterial(&record, 0);
  std::vector<MeshVertex> vertices = Triangle();
  vertices[0].su = vertices[0].sv = 0.75f;
  object.Init(1, 3, NewVertices(vertices));
  ASSERT_EQ(object.GetSubMeshCount(), 1);
  const ZOdevuvSubMesh& subMesh = *object.GetSubMeshes()[0];
  const auto stored = modeltest::BufferVertices(subMesh);
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_FLOAT_EQ(stored[0].u, 1.0f);
  EXPECT_FLOAT_EQ(stored[0].v, 1.0f);
  EXPECT_FLOAT_EQ(stored[0].su, 0.0f);
  EXPECT_FLOAT_EQ(stored[0].sv, 0.0f);
  EXPECT_EQ(subMesh.colourMap, g_assetPaths->GetTextureByIndex(0));
  std::vector<std::uint8_t> indices;
  ASSERT_TRUE(subMesh.indexBuffer->CopyOut(0, 6, indices));
  EXPECT_EQ(indices, (std::vector<std::uint8_t>{0, 0, 1, 0, 2, 0}));
}

TEST_F(Object3DTest, MapKindsGoToTheirSlots) {
  const int a = AddEntry("a.png"), b = AddEntry("b.png"), c = AddEntry("c.png");
  struct Case {
    const char* what;
    ModelMaterialRecord record;
    TextureEntry* ZOdevuvSubMesh::*slot;
    int entry;
  };
  ModelMaterialRecord sub = RecordWithMaps({{4, b}, {3, c}});
  ModelMaterialRecord parent;
  parent.subMaterials = {RecordWithMaps({{1, a}}), sub};
  const Case cases[] = {
      {"colour", RecordWithMaps({{1, a}, {2, b}}), &ZOdevuvSubMesh::colourMap, a},
      {"specular", RecordWithMaps({{1, a}, {2, b}}), &ZOdevuvSubMesh::specularMap, b},
      {"gloss", RecordWithMaps({{3, c}, {6, a}}), &ZOdevuvSubMesh::glossMap, c},
      {"opacity", RecordWithMaps({{3, c}, {6, a}}), &ZOdevuvSubMesh::opacityMap, a},
      {"bump", RecordWithMaps({{8, b}}), &ZOdevuvSubMesh::bumpMap, b},
      {"sub-material colour", parent, &ZOdevuvSubMesh::colourMap, a},
      {"sub-material gloss is kind 4", parent, &ZOdevuvSubMesh::glossMap, b},
      {"sub-material specular is kind 3", parent, &ZOdevuvSubMesh::specularMap, c},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    ZOdevuv3DObject object;
    object.AddMaterial(&k.record, 0);
    object.Init(1, 3, NewVertices(Triangle()));
    ASSERT_EQ(object.GetSubMeshCount(), 1);
    EXPECT_EQ(object.GetSubMeshes()[0]->*k.slot, g_assetPaths->GetTextureByIndex(k.entry));
  }
}

TEST_F(Object3DTest, ThreeBaseMapsAndCompositeMaterials) {
  const int e0 = AddEntry("m0.png"), e1 = AddEntry("m1.png"), e2 = AddEntry("m2.png");
  ZOdevuv3DObject object;
  ModelMaterialRecord base = RecordWithMaps({{12, e0}, {12, e1}, {12, e2}});
  base.textureMaps[2].values[2] = 4;
  ModelMaterialRecord composite;
  CopyTextField(composite.name, sizeof composite.name, "composite");
  ModelMaterialRecord first = RecordWithMaps({{1, e0}, {1, -1}, {1, e1}});
  ModelMaterialRecord second = RecordWithMaps({{1, e2}, {5, e0}});
  second.floats[4] = 0.25f;
  composite.subMaterials = {first, second};
  object.AddMaterial(&base, 0);
  object.AddMaterial(&composite, 0);
  object.Init(1, 3, NewVertices(Triangle()));
  object.Init(1, 3, NewVertices(Triangle()));
  ASSERT_EQ(object.GetSubMeshCount(), 2);

  const ZOdevuvSubMesh& b = *object.GetSubMeshes()[0];
  EXPECT_TRUE(b.baseFlag);
  EXPECT_EQ(b.baseTextures[2], g_assetPaths->GetTextureByIndex(e2));
  EXPECT_FLOAT_EQ(b.baseTiling[2].x, 4);
  EXPECT_EQ(b.colourMap, nullptr);

  const ZOdevuvSubMesh& c = *object.GetSubMeshes()[1];
  EXPECT_TRUE(c.compositeFlag);
  EXPECT_EQ(c.compositeCount, 4);
  EXPECT_EQ(c.compositeTextures[1], g_assetPaths->GetTextureByIndex(e1));
  EXPECT_EQ(c.compositeTextures[3], g_assetPaths->GetTextureByIndex(e0));
  EXPECT_FLOAT_EQ(c.material.diffuse.r, 0.25f);
}

TEST_F(Object3DTest, LightMapsAreFoundByObjectNameAndShared) {
  WriteImage("lm/HouseLightingMap.tga");
  g_assetPaths->SetSecondPath(PathOf("lm").c_str());
  ZOdevuv3DObject house;
  house.SetName("House");
  std::vector<MeshVertex> vertices = Triangle();
  vertices[1].su = 0.5f;
  for (int list = 0; list < 3; ++list) house.Init(1, 3, NewVertices(vertices));
  ASSERT_EQ(g_assetPaths->GetEntryCount(), 3);
  const TextureEntry* first = g_assetPaths->GetTextureByIndex(0);
  EXPECT_STREQ(first->fileName, "HouseLightingMap.tga");
  EXPECT_STREQ(first->ownerName, "House");
  EXPECT_TRUE(first->lightMap);
  ASSERT_TRUE(first->HasTexture());
  for (int i = 1; i < 3; ++i) {
    const TextureEntry* other = g_assetPaths->GetTextureByIndex(i);
    EXPECT_TRUE(other->borrowed);
    EXPECT_EQ(other->GetTexture(), first->GetTexture());
  }
  EXPECT_FLOAT_EQ(modeltest::BufferVertices(*house.GetSubMeshes()[0])[1].su, 0.5f);

  // A second object of that name finds the first one's light map.
  ZOdevuv3DObject again;
  again.SetName("House");
  again.AddMaterial(nullptr, 0);
  ModelMaterialRecord record = RecordWithMaps({{1, -1}});
  again.AddMaterial(&record, 0);
  again.Init(1, 3, NewVertices(Triangle()));
  EXPECT_EQ(again.GetSubMeshes()[0]->lightMap, first);
}

TEST_F(Object3DTest, LightMapsNamedByMeshIdAreTriedPerMaterial) {
  ZOdevuv3DObject object;
  object.SetName("Shed");
  object.AddMaterial(nullptr, 0);
  g_assetPaths->SetSecondPath(PathOf("lm").c_str());
  // The first sub-mesh of this engine gets id 0.
  WriteImage("lm/Shed_0LightingMap.tga");
  object.Init(1, 3, NewVertices(Triangle()));
  ASSERT_EQ(object.GetMeshIds().size(), 1u);
  ASSERT_EQ(object.GetMeshIds()[0], 0);
  ASSERT_EQ(g_assetPaths->GetEntryCount(), 1);
  EXPECT_STREQ(g_assetPaths->GetTextureByIndex(0)->fileName, "Shed_0LightingMap.tga");
}

TEST_F(Object3DTest, MeshIdLightMapsOfSubMeshesWithMaterialsAreFoundWhateverTheirCase) {
  ZOdevuv3DObject object;
  object.SetName("Shed");
  object.AddMaterial(nullptr, 0);
  object.AddMaterial(nullptr, 0);
  g_assetPaths->SetSecondPath(PathOf("lm").c_str());
  WriteImage("lm/shed_1lightingmap.TGA");  // the second sub-mesh's id
  WriteImage("lm/Shed_01LightingMap.tga");  // not how an id is written
  WriteImage("lm/Shed_2LightingMap.tga");   // the third sub-mesh has no material
  WriteImage("lm/Barn_0LightingMap.tga");   // another object's
  const int entriesAfter[] = {0, 1, 2};
  for (int i = 0; i < 3; ++i) {
    object.Init(1, 3, NewVertices(Triangle()));
    EXPECT_EQ(g_assetPaths->GetEntryCount(), entriesAfter[i]) << "sub-mesh " << i;
  }
  ASSERT_EQ(object.GetMeshIds(), (std::vector<int32_t>{0, 1, 2}));
  for (int i = 0; i < g_assetPaths->GetEntryCount(); ++i) {
    EXPECT_STREQ(g_assetPaths->GetTextureByIndex(i)->fileName, "Shed_1LightingMap.tga");
  }
}

namespace {

// Loads an object of empty sub-meshes with the light-map folder set; the
// fastest of a few runs, so that a busy machine does not decide the result.
std::chrono::duration<double> FastestLoadOf(int subMeshes) {
  constexpr int kRuns = 2;
  std::chrono::duration<double> fastest = std::chrono::hours(1);
  for (int run = 0; run < kRuns; ++run) {
    ZOdevuv3DObject object;
    object.SetName("Crowd");
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < subMeshes; ++i) {
      object.AddMaterial(nullptr, 0);
      object.Init(0, 0, nullptr);
    }
    fastest = std::min<std::chrono::duration<double>>(fastest, std::chrono::steady_clock::now() - start);
    EXPECT_EQ(object.GetSubMeshCount(), subMeshes);
  }
  return fastest;
}

}  // namespace

TEST_F(Object3DTest, ManySubMeshesLoadInLinearTimeWithALightMapFolder) {
  // Each sub-mesh looks for the light maps of every earlier one: done file by
  // file, the load time grows with the square of the sub-mesh count. Three
  // times the sub-meshes must take about three times as long, not nine; the
  // comparison of two loads on the same machine holds however fast it is.
  constexpr int kFewSubMeshes = 500;
  constexpr double kLinearBound = 6.0;
  g_assetPaths->SetSecondPath(PathOf("lm").c_str());
  WriteImage("lm/Other.tga");
  const auto few = FastestLoadOf(kFewSubMeshes);
  const auto many = FastestLoadOf(3 * kFewSubMeshes);
  EXPECT_LT(many.count(), kLinearBound * few.count() + 0.05) << few.count() << " s, then " << many.count() << " s";
}

TEST_F(Object3DTest, ListsBeyondSixteenBitIndicesAreRefused) {
  ZOdevuv3DObject object;
  std::vector<MeshVertex> many(ZOdevuv3DObject::kMaxSubMeshVertices + 3);
  object.Init(static_cast<int32_t>(many.size() / 3), static_cast<int32_t>(many.size()), NewVertices(many));
  object.Init(5, 3, NewVertices(Triangle()));  // more faces than vertices make
  EXPECT_EQ(object.GetSubMeshCount(), 0);
  EXPECT_EQ(object.GetVertexCount(), 0);
  many.resize(ZOdevuv3DObject::kMaxSubMeshVertices);
  object.Init(static_cast<int32_t>(many.size() / 3), static_cast<int32_t>(many.size()), NewVertices(many));
  EXPECT_EQ(object.GetSubMeshCount(), 1);
}

TEST_F(Object3DTest, BoxLinesJoinTheCornersAlongTheTwelveEdges) {
  ZOdevuv3DObject object;
  Vec3 corners[8];
  for (int i = 0; i < 8; ++i) corners[i] = {float(i), float(10 + i), float(20 + i)};
  object.SetBoxCorners(corners, 8);
  object.FillBoxVertexBuffer();
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(object.GetBoxLineBuffer()->CopyOut(0, 24 * 64, bytes));
  const int edges[12][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}, {4, 5}, {6, 7},
                            {4, 6}, {5, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
  for (int e = 0; e < 12; ++e) {
    for (int end = 0; end < 2; ++end) {
      Vec3 p;
      std::memcpy(&p, bytes.data() + (e * 2 + end) * 64, sizeof p);
      EXPECT_EQ(p, corners[edges[e][end]]) << e;
    }
  }
  Device().Record().Enable(true);
  Device().BeginScene();
  object.DrawBoundingBox();
  const auto draws = Device().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].type, plat::PrimitiveType::LineList);
  EXPECT_EQ(draws[0].primitiveCount, 12u);
  EXPECT_EQ(draws[0].stride, 64u);
}

TEST_F(Object3DTest, RenderTurnsTheWorldAndPutsItBack) {
  modeltest::EffectSpec base{"BaseEffects", {"BaseShaders"}, {}};
  LoadEffect(base);
  ZOdevuv3DObject object;
  object.Init(1, 3, NewVertices(Triangle()));
  object.rotation = {0, 90, 0};
  plat::Matrix world;
  plat::MatrixTranslation(&world, 1, 2, 3);
  Device().SetTransform(plat::TransformType::World, world);
  Device().Record().Enable(true);
  Device().BeginScene();
  object.Render();  // pass 0 without a colour map: mode 6
  std::vector<plat::Matrix> worlds;
  for (const auto& e : Device().Record().Events()) {
    if (const auto* t = e.Get<plat::TransformEvent>(); t && t->type == plat::TransformType::World) {
      worlds.push_back(t->matrix);
    }
  }
  ASSERT_EQ(worlds.size(), 2u);
  plat::Matrix turn;
  plat::MatrixRotationY(&turn, 90 * 0.01745329238474369f);
  EXPECT_EQ(worlds[0], turn * world);
  EXPECT_EQ(worlds[1], world);
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
  EXPECT_EQ(Device().GetSamplerState(0, plat::SamplerState::MipMapLodBias), plat::FloatBits(-4.8f));
}

}  // namespace
