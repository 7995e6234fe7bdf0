#include "engine/render/ZOdevuvGameObject.h"

#include <cmath>

#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "engine/render/ZOdevuvGameObjectList.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "tests/engine/render/ModelTestSupport.h"

namespace {

using modeltest::EngineFixture;
using plat::Vec3;

modelwriter::MeshObject Boxed(const std::string& name, Vec3 min, Vec3 max) {
  modelwriter::MeshObject object = modeltest::MeshObjectWith(name, 3);
  object.bounds = modelwriter::BoxBounds({min.x, min.y, min.z}, {max.x, max.y, max.z});
  object.materials.emplace_back();
  object.materials[0].maps.push_back({true, "colour", 1, "wall.png", {}});
  return object;
}

class GameObjectTest : public EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    LoadEffect({"BaseEffects", {"BaseShaders"}, {}});
  }
  std::unique_ptr<ZOdevuvGameObject> Load(const modelwriter::Model& model) {
    auto object = std::make_unique<ZOdevuvGameObject>();
    object->Init("Object", WriteModel("m/object.efx", model).c_str(), PathOf("m").c_str(), g_lights);
    object->simpleFlag = 1;  // colour maps drawn without an effect file
    return object;
  }
  // The world transforms set while drawing, in order.
  std::vector<plat::Matrix> Worlds() {
    std::vector<plat::Matrix> out;
    for (const auto& e : Device().Record().Events()) {
      if (const auto* t = e.Get<plat::TransformEvent>(); t && t->type == plat::TransformType::World) {
        out.push_back(t->matrix);
      }
    }
    return out;
  }
  void StartRecording() {
    Device().Record().Clear();
    Device().Record().Enable(true);
    if (!Device().InScene()) Device().BeginScene();
  }
  // A frustum looking from z = -50 along +z with a 90 degree field.
  void LookAlongZ() {
    plat::Matrix view, projection;
    plat::MatrixLookAtLH(&view, {0, 0, -50}, {0, 0, 0}, {0, 1, 0});
    plat::MatrixPerspectiveFovLH(&projection, 1.5707964f, 1.0f, 1.0f, 200.0f);
    g_frustum->Build(projection, view);
  }
};

TEST_F(GameObjectTest, BoundsAreTheUnionOfTheMeshObjectBoxes) {
  modelwriter::Model model;
  model.meshObjects = {Boxed("a", {0, 0, 0}, {1, 1, 1}), Boxed("b", {-2, 0.5f, 0}, {0.5f, 3, 1})};
  auto object = Load(model);
  ASSERT_EQ(object->GetMeshObjects().size(), 2u);
  EXPECT_EQ(object->GetBoxMin(), (Vec3{-2, 0, 0}));
  EXPECT_EQ(object->GetBoxMax(), (Vec3{1, 3, 1}));
  Vec3 corners[8];
  object->GetBoxCorners(corners);
  EXPECT_EQ(corners[5], (Vec3{1, 0, 1}));
  EXPECT_EQ(corners[2], (Vec3{-2, 3, 0}));
  EXPECT_EQ(object->GetTotalFaceCount(), 2);
  EXPECT_EQ(object->GetName(), "Object");
  // The model folder is where its textures are loaded from.
  EXPECT_EQ(g_assetPaths->GetModelFolder(), PathOf("m").c_str());
  EXPECT_EQ(g_assetPaths->GetEntryCount(), 2);
}

TEST_F(GameObjectTest, AnObjectWithoutMeshesKeepsTheInvertedBoxAndDrawsNothing) {
  ZOdevuvGameObject object;
  object.Init("none", PathOf("missing.efx").c_str(), "", g_lights);
  EXPECT_EQ(object.GetBoxMin(), (Vec3{10000, 10000, 10000}));
  EXPECT_FLOAT_EQ(object.GetBoundingRadius(), 20000.0f * std::sqrt(3.0f) * 0.5f);
  StartRecording();
  object.Render(0, 0);
  EXPECT_TRUE(Device().Record().Draws().empty());
}

TEST_F(GameObjectTest, RenderAppliesObjectMatrixThenOwnerTransformsAndRestoresTheWorld) {
  modelwriter::Model model;
  model.meshObjects = {Boxed("a", {0, 0, 0}, {1, 1, 1})};
  model.meshObjects[0].matrix = modelwriter::Translation(1, 0, 0);
  auto object = Load(model);
  object->frustumTest = 0;
  plat::MatrixScaling(&object->transforms[0], 2, 2, 2);
  plat::MatrixRotationY(&object->transforms[1], 0.5f);
  plat::MatrixTranslation(&object->transforms[2], 0, 5, 0);
  plat::Matrix kept;
  plat::MatrixTranslation(&kept, 0, 0, 9);
  Device().SetTransform(plat::TransformType::World, kept);
  StartRecording();
  object->Render(0.5f, 0);
  const plat::Matrix g = object->transforms[0] * object->transforms[1] * object->transforms[2] * kept;
  plat::Matrix own;
  plat::MatrixTranslation(&own, 1, 0, 0);
  const auto worlds = Worlds();
  // G, W, then the 3D object's own turn (none), its restore, and the restore.
  ASSERT_GE(worlds.size(), 3u);
  EXPECT_EQ(worlds[0], g);
  EXPECT_EQ(worlds[1], own * g);
  EXPECT_EQ(object->GetLastWorldMatrix(), own * g);
  EXPECT_EQ(worlds.back(), kept);
  EXPECT_EQ(Device().GetTransform(plat::TransformType::World), kept);
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
}

TEST_F(GameObjectTest, NamedNodesAreNeitherDrawnNorTested) {
  modelwriter::Model model;
  model.meshObjects = {Boxed("hidden", {0, 0, 0}, {1, 1, 1})};
  auto object = Load(model);
  object->nodeNames.push_back("hidden");
  EXPECT_TRUE(object->HasNodeName("hidden"));
  EXPECT_FALSE(object->HasNodeName("Hidden"));
  const plat::Matrix before = object->GetLastWorldMatrix();
  StartRecording();
  object->Render(0, 0);
  EXPECT_TRUE(Device().Record().Draws().empty());
  EXPECT_EQ(object->GetLastWorldMatrix(), before);
}

TEST_F(GameObjectTest, FrustumCullingUsesTheTransformedBox) {
  modelwriter::Model model;
  model.meshObjects = {Boxed("a", {-1, -1, -1}, {1, 1, 1})};
  auto object = Load(model);
  object->transformBox = 1;
  LookAlongZ();
  struct Case {
    Vec3 at;
    bool drawn;
  };
  const Case cases[] = {{{0, 0, 0}, true}, {{0, 0, -100}, false}, {{500, 0, 0}, false}, {{40, 0, 0}, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at.x + c.at.z);
    plat::MatrixTranslation(&object->transforms[0], c.at.x, c.at.y, c.at.z);
    StartRecording();
    object->Render(0, 0);
    EXPECT_EQ(Device().Record().Draws().size(), c.drawn ? 1u : 0u);
    EXPECT_EQ(object->GetDrawnFaceCount(), c.drawn ? 1 : 0);
    EXPECT_FLOAT_EQ(object->GetBoxMin().x, c.at.x - 1);
  }
  // Without the test everything is drawn and the count stays.
  object->frustumTest = 0;
  StartRecording();
  object->Render(0, 0);
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
  EXPECT_EQ(object->GetDrawnFaceCount(), 1);  // from the last culled draw
  plat::MatrixTranslation(&object->transforms[0], 500, 0, 0);
  StartRecording();
  object->Render(0, 0);
  EXPECT_EQ(Device().Record().Draws().size(), 1u);
  EXPECT_EQ(object->GetDrawnFaceCount(), 1);
}

TEST_F(GameObjectTest, KeepMeshesLeavesTheMeshObjectsToTheirOwner) {
  modelwriter::Model model;
  model.meshObjects = {Boxed("a", {0, 0, 0}, {1, 1, 1})};
  auto object = Load(model);
  std::unique_ptr<ZOdevuv3DObject> mesh(object->GetMeshObjects()[0]);
  object->keepMeshes = 1;
  object.reset();
  EXPECT_STREQ(mesh->GetName(), "a");
}

TEST_F(GameObjectTest, TheListDeletesItsOwnObjectsOnly) {
  ZOdevuvGameObject outside;
  auto* list = g_gameObjectList;
  ASSERT_TRUE(list);
  list->objects = {new ZOdevuvGameObject(), nullptr, new ZOdevuvGameObject()};
  list->references = {&outside};
  list->DeleteAll();
  EXPECT_TRUE(list->objects.empty());
  EXPECT_EQ(list->references.size(), 1u);
  list->references.clear();
}

// The demo park's models load with their textures, as the world's loaders
// will read them.
TEST_F(GameObjectTest, DemoParkModelsLoadWithTheirTextures) {
  const char* models[] = {"objects/sky/SkyDome_800m.EFX", "objects/PK_basemap/basemap.EFX",
                          "objects/PK_basemap/basetree.EFX", "objects/builditems/RoadFlag/RoadFlag.EFX",
                          "objects/builditems/Bejarat/Bejarat.EFX"};
  const std::filesystem::path park = HALVENOR_PARK_DIR;
  for (const char* file : models) {
    SCOPED_TRACE(file);
    const std::filesystem::path path = park / file;
    ZOdevuvGameObject object;
    object.Init(file, path.string().c_str(), (path.parent_path() / "textures").string().c_str(), g_lights);
    const int first = g_assetPaths->GetEntryCount() - 1;
    g_assetPaths->LoadTextures();
    EXPECT_FALSE(object.GetMeshObjects().empty());
    EXPECT_GT(object.GetTotalFaceCount(), 0);
    EXPECT_LT(object.GetBoxMin().x, object.GetBoxMax().x);
    for (int i = first; i < g_assetPaths->GetEntryCount(); ++i) {
      EXPECT_TRUE(g_assetPaths->GetTextureByIndex(i)->HasTexture()) << g_assetPaths->GetTextureByIndex(i)->fileName;
    }
  }
  EXPECT_TRUE(plat::RecordedMessageBoxes().empty());
  EXPECT_EQ(g_lights->GetLightCount(), 1);
}

}  // namespace
