// Broken model files: every prefix of a valid file and a table of lying
// lengths, counts and nesting depths. Under the sanitizers each must read
// without an overread, a crash or a runaway allocation, keep what came
// before the fault and show the load error.
#include <cstring>
#include <string>

#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "engine/render/ZOdevuvModelReader.h"
#include "tests/engine/render/ModelTestSupport.h"

namespace {

using modeltest::EngineFixture;

// A model with every kind of record.
modelwriter::Model FullModel() {
  modelwriter::Model model;
  modelwriter::MeshObject mesh = modeltest::MeshObjectWith("Box", 6);
  modelwriter::Material material;
  material.name = "composite";
  modelwriter::Material sub;
  modelwriter::TextureMap map;
  map.name = "colour";
  map.file = "x\\wood.png";
  map.values = {0.0f, 0.0f, 1.0f, 1.0f, std::nullopt};
  sub.maps = {map, map};
  material.subMaterials = {sub, sub};
  mesh.materials = {material};
  model.meshObjects = {mesh, modeltest::MeshObjectWith("Second", 3)};
  modelwriter::Node node;
  node.name = "root";
  node.hasGeometry = true;
  node.vertices = modeltest::NumberedVertices(3);
  node.children.resize(2);
  node.positionKeys.resize(2);
  node.rotationKeys.resize(1);
  node.unusedKeys = 1;
  model.nodes = {node};
  modelwriter::Light light;
  light.properties[0].type = 3;
  light.properties[1].type = 4;
  light.properties[1].text = "name";
  light.direction = modelwriter::Vec3{0, -1, 0};
  model.lights = {light};
  return model;
}

std::vector<std::uint8_t> Bytes(const modelwriter::Model& model) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(modelwriter::WriteModel(model, bytes));
  return bytes;
}

void PutI32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t value) {
  std::memcpy(bytes.data() + at, &value, 4);
}

class ModelMalformedTest : public EngineFixture {
 protected:
  // Reads the bytes from memory; true when the reader took them as sound.
  bool ReadBytes(const std::vector<std::uint8_t>& bytes, ZOdevuvGameObject& object) {
    ZOdevuvModelReader reader;
    return reader.ReadBytes(bytes.data(), bytes.size(), "broken.efx", &object, g_lights);
  }
};

TEST_F(ModelMalformedTest, EveryPrefixOfAFileReadsSafely) {
  const std::vector<std::uint8_t> full = Bytes(FullModel());
  for (std::size_t size = 0; size < full.size(); ++size) {
    // The version text sits at the end, so a cut file keeps the same
    // layout only when the cut keeps it: append it again.
    std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
    cut.insert(cut.end(), full.end() - 5, full.end());
    ZOdevuvGameObject object;
    ReadBytes(cut, object);
    EXPECT_LE(object.GetMeshObjects().size(), 2u) << size;
  }
  ZOdevuvGameObject object;
  EXPECT_TRUE(ReadBytes(full, object));
  EXPECT_EQ(object.GetMeshObjects().size(), 2u);
  EXPECT_EQ(object.GetNodeTrees().size(), 1u);
}

TEST_F(ModelMalformedTest, LyingSizesStopTheReadWithTheLoadErrorAndKeepEarlierRecords) {
  const std::vector<std::uint8_t> full = Bytes(FullModel());
  // Offsets in the file of version 1.01: header 20 bytes, then the first
  // mesh record: flag (20), unused (21), name length (25).
  constexpr std::size_t kMeshCount = 4, kTreeCount = 8, kLightCount = 12, kFirstName = 25;
  struct Case {
    const char* what;
    std::size_t at;
    std::int32_t value;
    std::size_t meshesKept;  // at least: what follows may be misread as meshes
  };
  const Case cases[] = {
      {"mesh count beyond the file", kMeshCount, 0x7FFFFFFF, 2},
      {"node-tree count beyond the file", kTreeCount, 1 << 30, 2},
      {"light count beyond the file", kLightCount, 1 << 28, 2},
      {"name longer than the file", kFirstName, 0x40000000, 0},
      {"negative name length", kFirstName, -5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    plat::ClearMessageBoxes();
    std::vector<std::uint8_t> bytes = full;
    PutI32(bytes, c.at, c.value);
    ZOdevuvGameObject object;
    EXPECT_FALSE(ReadBytes(bytes, object));
    EXPECT_GE(object.GetMeshObjects().size(), c.meshesKept);
    const auto boxes = plat::RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Model Load Error");
    EXPECT_EQ(boxes[0].text, "broken.efx");
  }
}

TEST_F(ModelMalformedTest, CountsInsideRecordsAreCheckedToo) {
  struct Case {
    const char* what;
    void (*edit)(modelwriter::Model&);
  };
  const Case cases[] = {
      {"sub-material count beyond the file",
       [](modelwriter::Model& m) { m.meshObjects[0].materials[0].subMaterialCount = 1 << 30; }},
      {"materials nested without end",
       [](modelwriter::Model& m) {
         modelwriter::Material nested;
         for (int i = 0; i < 40; ++i) {
           modelwriter::Material outer;
           outer.subMaterials = {nested};
           nested = outer;
         }
         m.meshObjects[0].materials = {nested};
       }},
      {"nodes nested without end",
       [](modelwriter::Model& m) {
         modelwriter::Node nested;
         for (int i = 0; i < 200; ++i) {
           modelwriter::Node outer;
           outer.children = {nested};
           nested = outer;
         }
         m.nodes = {nested};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    plat::ClearMessageBoxes();
    modelwriter::Model model = FullModel();
    c.edit(model);
    ZOdevuvGameObject object;
    EXPECT_FALSE(ReadBytes(Bytes(model), object));
    EXPECT_EQ(plat::RecordedMessageBoxes().size(), 1u);
  }
}

// Hand-made files of version 1.01 around a list of empty (one-byte) records,
// each of which would keep hundreds of bytes.
class RecordBytes {
 public:
  RecordBytes& I32(std::int32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
    return *this;
  }
  RecordBytes& U8(std::uint8_t v, std::size_t times = 1) {
    bytes.insert(bytes.end(), times, v);
    return *this;
  }
  // Flag, unused, empty name, kind, no bounds, a zero matrix.
  RecordBytes& ObjectHead() { return U8(1).I32(0).I32(0).I32(0).U8(0).U8(0, 64); }
  RecordBytes& EmptyMaterialHead() { return U8(1).I32(0).I32(0).U8(0, 32 + 16 + 16 + 20); }
  std::vector<std::uint8_t> WithVersion() {
    for (char c : std::string("1.01 ")) bytes.push_back(std::uint8_t(c));
    return bytes;
  }
  std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> EmptyMaterials(std::int32_t n) {
  return RecordBytes().I32(0).I32(1).I32(0).I32(0).I32(0).ObjectHead().U8(1).I32(n).U8(0, n).I32(0).WithVersion();
}

std::vector<std::uint8_t> EmptyTextureMaps(std::int32_t n) {
  return RecordBytes()
      .I32(0).I32(1).I32(0).I32(0).I32(0)
      .ObjectHead().U8(1).I32(1)
      .EmptyMaterialHead().I32(n).U8(0, n).U8(0).I32(0)
      .I32(0)
      .WithVersion();
}

std::vector<std::uint8_t> EmptyChildNodes(std::int32_t n) {
  return RecordBytes().I32(0).I32(0).I32(1).I32(0).I32(0).ObjectHead().U8(0).I32(n).U8(0, n).I32(0).I32(0).I32(0).WithVersion();
}

TEST_F(ModelMalformedTest, AllocationStaysProportionalToTheFile) {
  // A megabyte of empty records would keep hundreds of megabytes: the read
  // stops at its allocation budget with the load error. A few of them, as a
  // writer may leave, still load.
  constexpr std::int32_t kMany = 1 << 20, kFew = 100;
  struct Case {
    const char* what;
    std::vector<std::uint8_t> (*file)(std::int32_t);
  };
  const Case cases[] = {
      {"empty materials", EmptyMaterials},
      {"empty texture maps", EmptyTextureMaps},
      {"empty child nodes", EmptyChildNodes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    plat::ClearMessageBoxes();
    ZOdevuvGameObject few;
    EXPECT_TRUE(ReadBytes(c.file(kFew), few));
    EXPECT_EQ(few.GetMeshObjects().size() + few.GetNodeTrees().size(), 1u);
    ZOdevuvGameObject many;
    EXPECT_FALSE(ReadBytes(c.file(kMany), many));
    EXPECT_EQ(plat::RecordedMessageBoxes().size(), 1u);
  }
}

TEST_F(ModelMalformedTest, TinyAndEmptyFilesGiveAnEmptyObject) {
  const std::vector<std::vector<std::uint8_t>> files = {{}, {1, 2, 3}, {'1', '.', '0', '1', ' '}};
  for (const auto& bytes : files) {
    ZOdevuvGameObject object;
    EXPECT_FALSE(ReadBytes(bytes, object));
    EXPECT_TRUE(object.GetMeshObjects().empty());
    EXPECT_EQ(g_lights->GetLightCount(), 0);
  }
}

TEST_F(ModelMalformedTest, WriterRefusesListsBeyondSixteenBitIndicesAndSplitsThem) {
  const auto vertices = modeltest::NumberedVertices(65536 + 6);
  modelwriter::Model model;
  modelwriter::MeshObject mesh = modeltest::MeshObjectWith("Big", 0);
  mesh.meshes = {vertices};
  model.meshObjects = {mesh};
  std::vector<std::uint8_t> bytes;
  EXPECT_FALSE(modelwriter::WriteModel(model, bytes));

  model.meshObjects[0].meshes = modelwriter::SplitTriangleList(vertices);
  ASSERT_EQ(model.meshObjects[0].meshes.size(), 2u);
  EXPECT_EQ(model.meshObjects[0].meshes[0].size() % 3, 0u);
  ASSERT_TRUE(modelwriter::WriteModel(model, bytes));
  ZOdevuvGameObject object;
  ASSERT_TRUE(ReadBytes(bytes, object));
  ASSERT_EQ(object.GetMeshObjects().size(), 1u);
  EXPECT_EQ(object.GetMeshObjects()[0]->GetSubMeshCount(), 2);
  EXPECT_EQ(object.GetMeshObjects()[0]->GetVertexCount(), 65536 + 6);
}

}  // namespace
