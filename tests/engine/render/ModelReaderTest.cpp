#include "engine/render/ZOdevuvModelReader.h"

#include <climits>
#include <cmath>
#include <cstring>

#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "engine/render/ZOdevuvNode.h"
#include "engine/render/ZOdevuvNodeTree.h"
#include "tests/engine/render/ModelTestSupport.h"

namespace {

using modeltest::EngineFixture;

class ModelReaderTest : public EngineFixture {
 protected:
  // Reads the model into a fresh game object.
  std::unique_ptr<ZOdevuvGameObject> Read(const modelwriter::Model& model, const char* name = "model.efx") {
    auto object = std::make_unique<ZOdevuvGameObject>();
    ZOdevuvModelReader reader;
    reader.ReadFile(WriteModel(name, model).c_str(), object.get(), g_lights);
    m_version = reader.GetVersion();
    return object;
  }
  float m_version = 0;
};

struct VersionCase {
  const char* text;
  float version;
  bool nodeTrees;
  bool secondCoords;  // su, sv stored in the file
};

// One mesh object, one node tree and one light in every version: a reader
// that takes the header or the vertex size of another version misreads all
// that follows.
TEST_F(ModelReaderTest, VersionTextChoosesHeaderAndVertexLayout) {
  const VersionCase cases[] = {{"1.01", 1.01f, true, true},
                               {"1.0  ", 1.0f, true, false},
                               {"0.9", 0.9f, false, false},
                               {"abcde", 0.0f, false, false}};
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(c.text);
    g_lights->Clear();
    // A light map makes the object keep the second coordinates.
    WriteImage("lightmaps/QuadLightingMap.tga");
    g_assetPaths->SetSecondPath(PathOf("lightmaps").c_str());
    modelwriter::Model model;
    model.version = c.text;
    model.meshObjects.push_back(modeltest::MeshObjectWith("Quad", 3));
    modelwriter::Node node;
    node.name = "root";
    model.nodes.push_back(node);
    model.lights.emplace_back();
    auto object = Read(model);

    EXPECT_FLOAT_EQ(m_version, c.version);
    ASSERT_EQ(object->GetMeshObjects().size(), 1u);
    EXPECT_EQ(object->GetNodeTrees().size(), c.nodeTrees ? 1u : 0u);
    EXPECT_EQ(g_lights->GetLightCount(), 1);
    EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
    const auto vertices = modeltest::BufferVertices(*object->GetMeshObjects()[0]->GetSubMeshes()[0]);
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_FLOAT_EQ(vertices[2].su, c.secondCoords ? 0.5f : 0.2f);
    EXPECT_FLOAT_EQ(vertices[2].sv, c.secondCoords ? 0.25f : 0.1f);
  }
}

TEST_F(ModelReaderTest, VertexPositionsAndNormalsAreReadInterleaved) {
  modelwriter::Model model;
  modelwriter::MeshObject mesh = modeltest::MeshObjectWith("Tri", 3);
  mesh.meshes[0][1].normal = {0.25f, 0.5f, 0.75f};
  model.meshObjects.push_back(mesh);
  auto object = Read(model);
  ASSERT_EQ(object->GetMeshObjects().size(), 1u);
  const auto v = modeltest::BufferVertices(*object->GetMeshObjects()[0]->GetSubMeshes()[0]);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[1].position, (plat::Vec3{1, 2, 3}));
  EXPECT_EQ(v[1].normal, (plat::Vec3{0.25f, 0.5f, 0.75f}));
  EXPECT_FLOAT_EQ(v[1].u, 0.1f);
  EXPECT_FLOAT_EQ(v[1].v, 0.05f);
}

TEST_F(ModelReaderTest, ObjectWithoutGeometryIsKeptOnlyWithKindFour) {
  for (int kind : {0, 3, 4, 5}) {
    SCOPED_TRACE(kind);
    modelwriter::Model model;
    modelwriter::MeshObject mesh;
    mesh.name = "helper";
    mesh.kind = kind;
    mesh.hasGeometry = false;
    model.meshObjects.push_back(mesh);
    model.meshObjects.push_back(modeltest::MeshObjectWith("after", 3));
    auto object = Read(model);
    ASSERT_EQ(object->GetMeshObjects().size(), kind == 4 ? 2u : 1u);
    EXPECT_STREQ(object->GetMeshObjects().back()->GetName(), "after");
  }
}

TEST_F(ModelReaderTest, RecordsAndCountsAsTheFileGivesThem) {
  modelwriter::Model model;
  modelwriter::MeshObject particles = modeltest::MeshObjectWith("Particle View 01", 3);
  modelwriter::MeshObject seven = modeltest::MeshObjectWith("Seven", 7);
  seven.kind = 2;
  seven.matrix = modelwriter::Translation(5, 6, 7);
  modelwriter::MeshObject absent;
  absent.present = false;
  model.meshObjects = {particles, absent, seven};
  auto object = Read(model);
  ASSERT_EQ(object->GetMeshObjects().size(), 2u);

  const ZOdevuv3DObject& view = *object->GetMeshObjects()[0];
  plat::Vec3 min, max;
  view.GetBoxMin(&min);
  view.GetBoxMax(&max);
  EXPECT_EQ(min, plat::Vec3{});
  EXPECT_EQ(max, plat::Vec3{});
  for (int i = 0; i < 8; ++i) EXPECT_EQ(view.GetBoxCorners()[i], plat::Vec3{});

  const ZOdevuv3DObject& s = *object->GetMeshObjects()[1];
  EXPECT_EQ(s.kind, 2);
  EXPECT_EQ(s.GetVertexCount(), 7);
  EXPECT_EQ(s.GetFaceCount(), 2);
  EXPECT_FLOAT_EQ(s.worldMatrix.m[3][1], 6.0f);
  s.GetBoxMax(&max);
  EXPECT_EQ(max, (plat::Vec3{1, 2, 3}));
  EXPECT_EQ(s.GetBoxCorners()[5], (plat::Vec3{1, -2, 3}));
}

TEST_F(ModelReaderTest, MaterialFloatsMapsAndRegistryEntries) {
  modelwriter::Model model;
  modelwriter::MeshObject mesh = modeltest::MeshObjectWith("Crate", 3);
  modelwriter::Material material;
  material.number = 7;
  material.name = std::string(200, 'm');
  material.ambient = {0.1f, 0.2f, 0.3f, 0.4f};
  material.diffuse = {0.5f, 0.6f, 0.7f, 0.8f};
  material.specular = {0.9f, 1.0f, 1.1f, 1.2f};
  material.power = 33;
  material.extra = {1, 2, 3, 4};
  modelwriter::TextureMap deep;
  deep.name = "deep";
  deep.kind = 1;
  deep.file = "a\\b\\wood.dds";
  deep.values = {0.5f, std::nullopt, 2.0f, 3.0f, 9.0f};
  modelwriter::TextureMap flat = deep;
  flat.name = "flat";
  flat.kind = 6;
  flat.file = "wood.dds";
  modelwriter::TextureMap absent;
  absent.present = false;
  material.maps = {deep, flat, absent};
  mesh.materials.push_back(material);
  model.meshObjects.push_back(mesh);
  auto object = Read(model);
  ASSERT_EQ(object->GetMeshObjects().size(), 1u);

  const auto& records = object->GetMeshObjects()[0]->GetMaterialRecords();
  ASSERT_EQ(records.size(), 1u);
  const ModelMaterialRecord& r = *records[0];
  EXPECT_EQ(r.number, 7);
  EXPECT_EQ(std::strlen(r.name), 127u);
  const float expected[17] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f,
                              1.0f, 1.1f, 1.2f, 1, 33, 2, 3, 4};
  for (int i = 0; i < 17; ++i) EXPECT_FLOAT_EQ(r.floats[i], expected[i]) << i;
  ASSERT_EQ(r.textureMaps.size(), 3u);
  EXPECT_EQ(r.textureMaps[2].registryIndex, -1);
  const float values[5] = {0.5f, 0, 2, 3, 9};
  for (int i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(r.textureMaps[0].values[i], values[i]);

  ASSERT_EQ(g_assetPaths->GetEntryCount(), 2);
  for (int i = 0; i < 2; ++i) {
    const TextureEntry* entry = g_assetPaths->GetTextureByIndex(r.textureMaps[i].registryIndex);
    ASSERT_TRUE(entry);
    EXPECT_STREQ(entry->fileName, "wood.dds");
    EXPECT_STREQ(entry->mapName, i == 0 ? "deep" : "flat");
    EXPECT_FALSE(entry->HasTexture());
  }
  const plat::Material& m = object->GetMeshObjects()[0]->GetSubMeshes()[0]->material;
  EXPECT_FLOAT_EQ(m.diffuse.g, 0.6f);
  EXPECT_FLOAT_EQ(m.power, 33);
}

TEST_F(ModelReaderTest, LightsTakeKindPositionColourAndDefaultRange) {
  struct Case { int kind; plat::LightType type; };
  const Case cases[] = {{0, plat::LightType::Point},       {1, plat::LightType::Spot},
                        {2, plat::LightType::Directional}, {3, plat::LightType::Spot},
                        {4, plat::LightType::Directional}, {9, plat::LightType::Point}};
  modelwriter::Model model;
  for (const Case& c : cases) {
    modelwriter::Light light;
    light.kind = c.kind;
    light.position = {1, 2, 3};
    light.properties[0].type = 3;
    light.properties[0].colour = {200, 100, 50};
    light.properties[2].type = 1;
    light.properties[2].value = 0.5f;
    light.properties[3].type = 2;
    light.direction = modelwriter::Vec3{0, -1, 0};
    model.lights.push_back(light);
  }
  modelwriter::Light skipped;
  skipped.complete = false;
  model.lights.push_back(skipped);
  Read(model);
  ASSERT_EQ(g_lights->GetLightCount(), 6);
  for (int i = 0; i < 6; ++i) {
    ZOdevuvLightRecord record;
    ASSERT_TRUE(g_lights->GetLightRecord(i, &record));
    const plat::Light& l = record.light;
    EXPECT_EQ(l.type, cases[i].type);
    EXPECT_TRUE(record.enabled);
    EXPECT_FLOAT_EQ(l.range, 1000.0f);
    EXPECT_EQ(l.position, (plat::Vec3{1, 2, 3}));
    EXPECT_EQ(l.direction, (plat::Vec3{0, -1, 0}));
    EXPECT_FLOAT_EQ(l.diffuse.r, 200);
    EXPECT_FLOAT_EQ(l.diffuse.b, 50);
    EXPECT_FLOAT_EQ(l.diffuse.a, 255);
    EXPECT_FLOAT_EQ(l.specular.g, 100);
    EXPECT_FLOAT_EQ(l.specular.a, 0);
    EXPECT_FLOAT_EQ(l.ambient.a, 255);
    EXPECT_FLOAT_EQ(l.attenuation0, 0.5f);
    EXPECT_FLOAT_EQ(l.attenuation2, -1.0f);  // an int32 property gives no value
    EXPECT_FLOAT_EQ(l.falloff, 0.0f);        // type 0: unchanged
  }
}

TEST_F(ModelReaderTest, NodeTreesKeepNamesChildrenMeshesAndKeys) {
  modelwriter::Node leaf;
  leaf.name = "leaf";
  leaf.hasGeometry = true;
  leaf.vertices = modeltest::NumberedVertices(6);
  leaf.positionKeys = {{true, 2.9f, {1, 2, 3}}, {false, 0, {}}, {true, -2.9f, {4, 5, 6}}};
  leaf.rotationKeys = {{true, 7.5f, 0.1f, 0.2f, 0.3f, 0.9f},
                       {true, 1e20f, 0, 0, 0, 1},
                       {true, -1e20f, 0, 0, 0, 1},
                       {true, std::nanf(""), 0, 0, 0, 1}};
  leaf.unusedKeys = 2;
  modelwriter::Node root;
  root.name = "root";
  root.kind = 3;
  root.children = {leaf, modelwriter::Node{}};
  root.children[1].name = "empty";
  root.children[1].hasGeometry = true;  // with no vertices
  modelwriter::Model model;
  model.nodes.push_back(root);
  model.meshObjects.push_back(modeltest::MeshObjectWith("after", 3));
  model.lights.emplace_back();
  auto object = Read(model);
  ASSERT_EQ(object->GetNodeTrees().size(), 1u);
  EXPECT_EQ(object->GetMeshObjects().size(), 1u);
  EXPECT_EQ(g_lights->GetLightCount(), 1);

  const ZOdevuvNode& r = *object->GetNodeTrees()[0]->root;
  EXPECT_EQ(r.GetName(), "root");
  EXPECT_EQ(r.GetParent(), nullptr);
  ASSERT_TRUE(r.GetMesh());
  EXPECT_EQ(r.GetMesh()->kind, 3);
  EXPECT_EQ(r.GetMesh()->GetSubMeshCount(), 0);
  ASSERT_EQ(r.GetChildren().size(), 2u);
  const ZOdevuvNode& l = *r.GetChildren()[0];
  EXPECT_EQ(l.GetParent(), &r);
  EXPECT_STREQ(l.GetMesh()->GetName(), "leaf");
  EXPECT_EQ(l.GetMesh()->GetFaceCount(), 2);
  ASSERT_EQ(l.GetPositionKeys().size(), 3u);
  EXPECT_EQ(l.GetPositionTimes()[0], 2);
  EXPECT_EQ(l.GetPositionTimes()[2], -2);
  EXPECT_EQ(l.GetPositionKeys()[1], plat::Vec3{});
  EXPECT_EQ(l.GetPositionKeys()[2], (plat::Vec3{4, 5, 6}));
  ASSERT_EQ(l.GetRotationKeys().size(), 4u);
  EXPECT_EQ(l.GetRotationTimes()[0], 7);
  // Times beyond the 32-bit range are clamped, one that is no number is 0.
  EXPECT_EQ(l.GetRotationTimes()[1], INT32_MAX);
  EXPECT_EQ(l.GetRotationTimes()[2], INT32_MIN);
  EXPECT_EQ(l.GetRotationTimes()[3], 0);
  EXPECT_FLOAT_EQ(l.GetRotationKeys()[0].w, 0.9f);
  EXPECT_EQ(r.GetChildren()[1]->GetMesh()->GetSubMeshCount(), 1);
}

TEST_F(ModelReaderTest, MissingFileLeavesTheObjectEmptyWithoutAMessage) {
  ZOdevuvGameObject object;
  ZOdevuvModelReader reader;
  EXPECT_FALSE(reader.ReadFile(PathOf("nothing.efx").c_str(), &object, g_lights));
  EXPECT_TRUE(object.GetMeshObjects().empty());
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
}

}  // namespace
