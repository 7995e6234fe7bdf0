#include "platform/mesh/XFileLoader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/math/Math.h"
#include "tests/platform/mesh/XFixture.h"
#include "tests/platform/os/TempTree.h"

namespace {

using xfixture::ExpectMatrixNear;

// Makes plain frames and containers and counts what is still alive.
class CountingAllocator : public plat::AllocateHierarchy {
 public:
  plat::MeshResult CreateFrame(const std::string& name, plat::MeshFrame** out) override {
    *out = new plat::MeshFrame;
    (*out)->name = name;
    ++alive;
    return plat::kMeshOk;
  }
  plat::MeshResult CreateMeshContainer(const std::string& name,
                                       const std::shared_ptr<const plat::SkinMesh>& mesh,
                                       const std::vector<plat::XMaterial>& materials,
                                       const std::shared_ptr<const plat::SkinInfo>& skin,
                                       plat::MeshContainer** out) override {
    *out = nullptr;
    if (refuseContainers) return plat::kMeshOutOfMemory;
    auto* container = new plat::MeshContainer;
    container->name = name;
    container->mesh = std::const_pointer_cast<plat::SkinMesh>(mesh);
    container->materials = materials;
    container->skinInfo = skin;
    *out = container;
    ++alive;
    return plat::kMeshOk;
  }
  plat::MeshResult DestroyFrame(plat::MeshFrame* frame) override {
    delete frame;
    --alive;
    return plat::kMeshOk;
  }
  plat::MeshResult DestroyMeshContainer(plat::MeshContainer* container) override {
    delete container;
    --alive;
    return plat::kMeshOk;
  }
  int alive = 0;
  bool refuseContainers = false;
};

class XFileLoaderTest : public ::testing::Test {
 protected:
  void TearDown() override { plat::FrameDestroy(root_, allocator_); EXPECT_EQ(allocator_.alive, 0); }

  plat::MeshResult Load(const std::string& text) {
    return plat::LoadMeshHierarchyFromXInMemory(text, allocator_, &root_, &controller_, &error_);
  }

  CountingAllocator allocator_;
  plat::MeshFrame* root_ = nullptr;
  std::shared_ptr<plat::AnimationController> controller_;
  std::string error_;
};

TEST_F(XFileLoaderTest, FramesKeepTheFileNamesTreeAndRowVectorMatrices) {
  ASSERT_EQ(Load(xfixture::ModelText()), plat::kMeshOk) << error_;
  ASSERT_NE(root_, nullptr);
  EXPECT_EQ(root_->name, "Root");
  EXPECT_EQ(root_->sibling, nullptr);
  ExpectMatrixNear(root_->transformationMatrix, xfixture::Translation(10, 0, 0));
  plat::MeshFrame* bone1 = root_->firstChild;
  ASSERT_NE(bone1, nullptr);
  EXPECT_EQ(bone1->name, "Bone1");
  ExpectMatrixNear(bone1->transformationMatrix, xfixture::TurnedAndMoved(plat::kPi / 2, 1, 2, 3));
  ASSERT_NE(bone1->firstChild, nullptr);
  EXPECT_EQ(bone1->firstChild->name, "Bone2");
  EXPECT_EQ(plat::FrameFind(root_, "Bone2"), bone1->firstChild);
  EXPECT_EQ(plat::FrameFind(root_, "bone2"), nullptr);
}

TEST_F(XFileLoaderTest, MeshKeepsPositionsTexCoordsWindingMaterialAndSkin) {
  ASSERT_EQ(Load(xfixture::ModelText()), plat::kMeshOk) << error_;
  const plat::MeshContainer* container = root_->meshContainer;
  ASSERT_NE(container, nullptr);
  const plat::SkinMesh& mesh = *container->mesh;
  ASSERT_EQ(mesh.VertexCount(), 4u);
  ASSERT_EQ(mesh.FaceCount(), 2u);
  // Vertex order may change; find each file vertex by its position.
  const plat::Vec3 positions[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  const plat::Vec2 texCoords[] = {{0, 0}, {1, 0}, {1, 1}, {0, 0.25f}};
  std::vector<int> fileIndexOf(4, -1);
  for (int f = 0; f < 4; ++f) {
    for (std::uint32_t v = 0; v < 4; ++v) {
      if (mesh.Vertices()[v].position == positions[f]) {
        fileIndexOf[v] = f;
        EXPECT_FLOAT_EQ(mesh.Vertices()[v].texCoord.x, texCoords[f].x);
        EXPECT_FLOAT_EQ(mesh.Vertices()[v].texCoord.y, texCoords[f].y);
      }
    }
  }
  for (int f : fileIndexOf) ASSERT_GE(f, 0);
  // The file's turn kept: the file's face 0,1,2,3 turns about +z, and so
  // does each triangle made of it.
  for (std::uint32_t face = 0; face < 2; ++face) {
    const auto* i = &mesh.Indices()[face * 3];
    const auto& v = mesh.Vertices();
    const plat::Vec3 n = plat::Vec3Cross(v[i[1]].position - v[i[0]].position,
                                         v[i[2]].position - v[i[0]].position);
    EXPECT_GT(n.z, 0) << "face " << face;
  }
  ASSERT_EQ(container->materials.size(), 1u);
  EXPECT_EQ(container->materials[0].textureFilename, "quad.png");
  EXPECT_FLOAT_EQ(container->materials[0].material.power, 12.0f);
  EXPECT_FLOAT_EQ(container->materials[0].material.diffuse.g, 0.5f);

  ASSERT_NE(container->skinInfo, nullptr);
  const plat::SkinInfo& skin = *container->skinInfo;
  ASSERT_EQ(skin.GetNumBones(), 2u);
  EXPECT_EQ(skin.GetBoneName(0), "Bone1");
  EXPECT_EQ(skin.GetBoneName(1), "Bone2");
  ExpectMatrixNear(skin.GetBoneOffsetMatrix(0), xfixture::Translation(-1, -2, -3));
  ExpectMatrixNear(skin.GetBoneOffsetMatrix(1), xfixture::Translation(0, 0, -7));
  // Bone2 moves file vertices 1, 2, 3 by 0.25, 0.5, 0.75.
  const float bone2Weights[] = {0, 0.25f, 0.5f, 0.75f};
  ASSERT_EQ(skin.Bones()[1].influences.size(), 3u);
  for (const plat::BoneInfluence& influence : skin.Bones()[1].influences) {
    EXPECT_FLOAT_EQ(influence.weight, bone2Weights[fileIndexOf[influence.vertex]]);
  }
}

TEST_F(XFileLoaderTest, ControllerHoldsTheSetsInFileOrderWithPeriodsInSeconds) {
  ASSERT_EQ(Load(xfixture::ModelText()), plat::kMeshOk) << error_;
  ASSERT_NE(controller_, nullptr);
  ASSERT_EQ(controller_->GetNumAnimationSets(), 2u);
  EXPECT_EQ(controller_->GetAnimationSet(0)->GetName(), "walk");
  EXPECT_DOUBLE_EQ(controller_->GetAnimationSet(0)->GetPeriod(), 1.0);
  EXPECT_EQ(controller_->GetAnimationSet(1)->GetName(), "idle");
  EXPECT_DOUBLE_EQ(controller_->GetAnimationSet(1)->GetPeriod(), 0.5);
  EXPECT_EQ(controller_->GetAnimationSetByName("idle"), controller_->GetAnimationSet(1));
  EXPECT_EQ(controller_->GetMaxNumAnimationOutputs(), 2u);
  EXPECT_EQ(controller_->GetMaxNumTracks(), plat::kLoadedControllerTracks);
  plat::TrackDesc desc;
  ASSERT_TRUE(controller_->GetTrackDesc(0, &desc));
  EXPECT_TRUE(desc.enable);
  EXPECT_EQ(controller_->GetTrackAnimationSet(0), controller_->GetAnimationSet(0));
}

TEST_F(XFileLoaderTest, MatrixKeysPoseTheFrameBetweenKeys) {
  ASSERT_EQ(Load(xfixture::ModelText()), plat::kMeshOk) << error_;
  ASSERT_TRUE(controller_->AdvanceTime(0.5));
  ExpectMatrixNear(root_->firstChild->transformationMatrix,
                   xfixture::TurnedAndMoved(plat::kPi / 4, 3, 4, 5));
  // Frames the playing set does not drive keep their matrices.
  ExpectMatrixNear(root_->firstChild->firstChild->transformationMatrix,
                   xfixture::Translation(0, 1, 5));
}

TEST_F(XFileLoaderTest, ModelWithoutAnimationHasNoController) {
  xfixture::Options options;
  options.animation = false;
  ASSERT_EQ(Load(xfixture::ModelText(options)), plat::kMeshOk) << error_;
  EXPECT_NE(root_, nullptr);
  EXPECT_EQ(controller_, nullptr);
}

TEST_F(XFileLoaderTest, SeveralTopLevelObjectsHangBelowAnUnnamedRoot) {
  const std::string text =
      "xof 0303txt 0032\n"
      "Frame A { }\n"
      "Frame B { }\n"
      "Mesh M { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 1.0;1.0;0.0;; 1; 3;0,1,2;; }\n";
  ASSERT_EQ(Load(text), plat::kMeshOk) << error_;
  EXPECT_EQ(root_->name, "");
  EXPECT_NE(root_->meshContainer, nullptr);
  ASSERT_NE(root_->firstChild, nullptr);
  EXPECT_EQ(root_->firstChild->name, "A");
  ASSERT_NE(root_->firstChild->sibling, nullptr);
  EXPECT_EQ(root_->firstChild->sibling->name, "B");
}

TEST_F(XFileLoaderTest, RefusedContainerFailsTheLoadAndFreesEveryFrame) {
  allocator_.refuseContainers = true;
  EXPECT_EQ(Load(xfixture::ModelText()), plat::kMeshOutOfMemory);
  EXPECT_EQ(root_, nullptr);
  EXPECT_EQ(controller_, nullptr);
  EXPECT_EQ(allocator_.alive, 0);
}

TEST_F(XFileLoaderTest, BrokenFilesFailWithAReason) {
  const std::string model = xfixture::ModelText();
  const std::string cases[] = {
      "",
      "garbage that is not a model at all",
      "xof 0303txt 0032\nFrame A { FrameTransformMatrix { 1.0,",
      model.substr(0, model.size() / 2),
      "xof 0303bin 0032" + std::string(40, '\xff'),
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.substr(0, 40));
    error_.clear();
    EXPECT_TRUE(plat::MeshFailed(Load(text)));
    EXPECT_EQ(root_, nullptr);
    EXPECT_EQ(controller_, nullptr);
    EXPECT_FALSE(error_.empty());
    EXPECT_EQ(allocator_.alive, 0);
  }
}

TEST_F(XFileLoaderTest, ReadsThroughTheGamePathResolver) {
  plat::test::TempTree tree;
  tree.Write("Models/Figure.X", xfixture::ModelText());
  EXPECT_EQ(plat::LoadMeshHierarchyFromX("\\models\\figure.x", allocator_, &root_, &controller_,
                                         &error_),
            plat::kMeshOk)
      << error_;
  ASSERT_NE(root_, nullptr);
  plat::FrameDestroy(root_, allocator_);
  root_ = nullptr;
  EXPECT_TRUE(plat::MeshFailed(
      plat::LoadMeshHierarchyFromX("\\models\\missing.x", allocator_, &root_, &controller_, &error_)));
  EXPECT_NE(error_.find("missing.x"), std::string::npos);
}

TEST(FrameBoundingSphere, CoversTheVerticesPlacedByTheFrames) {
  CountingAllocator allocator;
  plat::MeshFrame* root = nullptr;
  ASSERT_EQ(plat::LoadMeshHierarchyFromXInMemory(xfixture::ModelText(), allocator, &root, nullptr),
            plat::kMeshOk);
  plat::Vec3 centre;
  float radius = 0;
  plat::FrameCalculateBoundingSphere(root, &centre, &radius);
  // The quad (0..1, 0..1, 0) moved by the root to x 10..11.
  EXPECT_NEAR(centre.x, 10.5f, 1e-5f);
  EXPECT_NEAR(centre.y, 0.5f, 1e-5f);
  EXPECT_NEAR(radius, std::sqrt(0.5f), 1e-5f);
  plat::FrameDestroy(root, allocator);
  plat::FrameCalculateBoundingSphere(nullptr, &centre, &radius);
  EXPECT_EQ(radius, 0.0f);
}

}  // namespace

namespace {

const char* const kTriangle = "3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 1.0;1.0;0.0;; 1; 3;0,1,2;;";
const char* const kQuad = "4; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 1.0;1.0;0.0;, 0.0;1.0;0.0;; 2; 3;0,1,2;, 3;0,2,3;;";

TEST_F(XFileLoaderTest, ATopLevelMeshBesideOneFrameHangsBelowAnUnnamedRoot) {
  // The frame's own mesh is a quad, the top-level one a triangle.
  const std::string text = std::string("xof 0303txt 0032\n") + "Frame A { Mesh Own { " + kQuad + " } }\n" +
                           "Mesh Top { " + kTriangle + " }\n";
  ASSERT_EQ(Load(text), plat::kMeshOk) << error_;
  EXPECT_EQ(root_->name, "");
  ASSERT_NE(root_->meshContainer, nullptr);
  EXPECT_EQ(root_->meshContainer->name, "");
  EXPECT_EQ(root_->meshContainer->mesh->FaceCount(), 1u);
  ASSERT_NE(root_->firstChild, nullptr);
  EXPECT_EQ(root_->firstChild->name, "A");
  EXPECT_EQ(root_->firstChild->sibling, nullptr);
  ASSERT_NE(root_->firstChild->meshContainer, nullptr);
  EXPECT_EQ(root_->firstChild->meshContainer->mesh->FaceCount(), 2u);
}

TEST_F(XFileLoaderTest, EmptyAnimationSetsKeepTheirPlace) {
  std::string text = xfixture::ModelText();
  text.insert(text.find("AnimationSet walk"), "AnimationSet still { }\n");
  ASSERT_EQ(Load(text), plat::kMeshOk) << error_;
  ASSERT_NE(controller_, nullptr);
  ASSERT_EQ(controller_->GetNumAnimationSets(), 3u);
  EXPECT_EQ(controller_->GetAnimationSet(0)->GetName(), "still");
  EXPECT_EQ(controller_->GetAnimationSet(0)->GetPeriod(), 0.0);
  EXPECT_EQ(controller_->GetAnimationSet(1)->GetName(), "walk");
}

TEST_F(XFileLoaderTest, MaterialsKeepTheFileIndicesWhenSomeAreUnused) {
  // Two meshes in one frame, each using only its last material: the frame's
  // container holds both lists whole, the second after the first.
  auto material = [](const char* rgb) {
    return std::string(" Material { ") + rgb + ";1.0;; 1.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }";
  };
  const std::string text = std::string("xof 0303txt 0032\nFrame A {\n") + " Mesh M { " + kQuad +
                           " MeshMaterialList { 3; 2; 2, 2;;" + material("1.0;0.0;0.0") + material("0.0;1.0;0.0") +
                           material("0.0;0.0;1.0") + " } }\n" + " Mesh N { " + kTriangle +
                           " MeshMaterialList { 2; 1; 1;;" + material("0.5;0.0;0.0") + material("0.0;0.5;0.0") +
                           " } }\n}\n";
  ASSERT_EQ(Load(text), plat::kMeshOk) << error_;
  const plat::MeshContainer* container = root_->meshContainer;
  ASSERT_NE(container, nullptr);
  ASSERT_EQ(container->materials.size(), 5u);
  const float expected[][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.5f, 0, 0}, {0, 0.5f, 0}};
  for (std::size_t i = 0; i < 5; ++i) {
    const plat::Color& diffuse = container->materials[i].material.diffuse;
    EXPECT_EQ(diffuse.r, expected[i][0]) << i;
    EXPECT_EQ(diffuse.g, expected[i][1]) << i;
    EXPECT_EQ(diffuse.b, expected[i][2]) << i;
  }
  std::vector<std::uint32_t> attributes = container->mesh->FaceAttributes();
  std::sort(attributes.begin(), attributes.end());
  EXPECT_EQ(attributes, (std::vector<std::uint32_t>{2, 2, 4}));
}

}  // namespace
