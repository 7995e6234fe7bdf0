#include "platform/mesh/XFileCheck.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/mesh/XFileLoader.h"
#include "tests/platform/mesh/XFixture.h"

namespace {

// The fixture with `from` replaced by `to` (the first occurrence).
std::string Mutated(const std::string& from, const std::string& to) {
  std::string text = xfixture::ModelText();
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The importer itself crashed on this one: zero bytes inside the name of the
// material in the material list, and a misspelt skin weights object.
std::string ImporterCrashFile() {
  std::string text = Mutated("Material {", "M" + std::string(33, '\0') + "aterial {");
  const auto at = text.find("SkinWeights");
  text.replace(at, 11, "SkinWeight2");
  return text;
}

std::string DeepFrames(int depth) {
  std::string text = "xof 0303txt 0032\n";
  for (int i = 0; i < depth; ++i) text += "Frame { ";
  for (int i = 0; i < depth; ++i) text += "} ";
  return text;
}

// A root frame with that many empty frames side by side.
std::string SiblingFrames(int count) {
  std::string text = "xof 0303txt 0032\nFrame Root {\n";
  for (int i = 0; i < count; ++i) text += "Frame { }\n";
  return text + "}\n";
}

std::string Check(const std::string& text) {
  std::string error;
  EXPECT_FALSE(plat::CheckXFile(text, &error)) << text.substr(0, 60);
  EXPECT_FALSE(error.empty());
  return error;
}

TEST(XFileCheck, RefusesTheFileThatCrashedTheImporter) {
  const std::string error = Check(ImporterCrashFile());
  EXPECT_NE(error.find("control character 0"), std::string::npos) << error;
  EXPECT_NE(error.find("line 17"), std::string::npos) << error;
}

TEST(XFileCheck, AcceptsTheTestModelInEveryVariant) {
  for (bool skin : {false, true}) {
    for (bool animation : {false, true}) {
      xfixture::Options options;
      options.skin = skin;
      options.animation = animation;
      std::string error;
      EXPECT_TRUE(plat::CheckXFile(xfixture::ModelText(options), &error))
          << "skin " << skin << " animation " << animation << ": " << error;
    }
  }
}

TEST(XFileCheck, AcceptsEveryDemoFigure) {
  for (const char* path : {"/objects/characters/casual_m.X", "/objects/animals/bird_01.X"}) {
    std::ifstream in(std::string(HALVENOR_PARK_DIR) + path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::string error;
    EXPECT_TRUE(plat::CheckXFile(bytes.str(), &error)) << path << ": " << error;
  }
}

TEST(XFileCheck, AcceptsTemplatesCommentsReferencesAndUnknownObjects) {
  const std::string text =
      "xof 0302txt 0064\n"
      "// written by hand\n"
      "template Vector { <3D82AB5E-62DA-11cf-AB39-0020AF71E433> FLOAT x; FLOAT y; FLOAT z; }\n"
      "template Mesh { <3D82AB44-62DA-11cf-AB39-0020AF71E433> DWORD nVertices; "
      "array Vector vertices[nVertices]; [...] }\n"
      "Header { 1; 0; 1; }\n"
      "Material Red { 1.0;0.0;0.0;1.0;; 5.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }\n"
      "Frame A {  # a comment to the end of the line\n"
      " Mesh {\n"
      "  3; 0.0;0.0;0.0;, 1.5e1;0.0;-2.0;, 1;1;0;;\n"
      "  1; 3;0,1,2;;\n"
      "  MeshMaterialList { 1; 1; 0;; {Red} }\n"
      "  VertexDuplicationIndices { 3; 3; 0, 1, 2; }\n"
      "  MeshVertexColors { 3; 0;1.0;0.0;0.0;1.0;;, 1;0.0;1.0;0.0;1.0;;, 2;0.0;0.0;1.0;1.0;;; }\n"
      " }\n"
      "}\n";
  std::string error;
  EXPECT_TRUE(plat::CheckXFile(text, &error)) << error;
}

struct CorruptCase {
  const char* what;
  std::string text;
  const char* reason;  // part of the error text
};

TEST(XFileCheck, RefusesCorruptFilesWithAReason) {
  const std::string model = xfixture::ModelText();
  const CorruptCase cases[] = {
      {"empty", "", "no \"xof \" header"},
      {"not a model", "garbage that is not a model at all", "no \"xof \" header"},
      {"binary", "xof 0303bin 0032" + std::string(40, '\x01'), "text"},
      {"compressed", "xof 0303tzip0032" + std::string(40, 'x'), "text"},
      {"bzip", "xof 0303bzip0032" + std::string(40, 'x'), "text"},
      {"bad float size", "xof 0303txt 0016\n", "float size"},
      {"truncated", model.substr(0, model.size() / 2), "end of the file"},
      {"truncated in a string", model.substr(0, model.find("quad.png") + 3), "unterminated"},
      {"vertex count too large", Mutated("  4;\n", "  40;\n"), "broken .X file"},
      {"face index out of range", Mutated("4;0,1,2,3;;", "4;0,1,2,4;;"), "vertex index 4"},
      {"face too small", Mutated("4;0,1,2,3;;", "2;0,1;;"), "three corners"},
      {"normal index out of range", Mutated("4;0,0,0,0;;", "4;0,0,1,0;;"), "normal index 1"},
      {"normal face corners differ", Mutated("4;0,0,0,0;;", "3;0,0,0;;"), "corner count"},
      {"texture coordinates short", Mutated("MeshTextureCoords { 4;", "MeshTextureCoords { 3;"),
       "differs from the 4 vertices"},
      {"material index out of range", Mutated("{ 1; 1; 0;;", "{ 1; 1; 1;;"), "material index 1"},
      {"material count without materials", Mutated("{ 1; 1; 0;;", "{ 2; 1; 0;;"),
       "holds 1"},
      {"material indices do not match faces", Mutated("{ 1; 1; 0;;", "{ 1; 2; 0,0;;"),
       "face count"},
      {"weight vertex out of range", Mutated("4; 0,1,2,3;", "4; 0,1,2,9;"), "vertex index 9"},
      {"weight count too large", Mutated("\"Bone1\"; 4;", "\"Bone1\"; 5;"), "expected"},
      {"skin matrix short", Mutated("-1.0,-2.0,-3.0,1.0;;", "-1.0,-2.0,-3.0;;"), "expected"},
      {"string without semicolon", Mutated("\"quad.png\";", "\"quad.png\" ;"), "must end"},
      {"frame matrix short", Mutated("10.0,0.0,0.0,1.0;;", "10.0,0.0,0.0;;"), "expected"},
      {"unbalanced braces", model.substr(0, model.rfind('}')), "end of the file"},
      {"stray closing brace", model + "}\n", "expected an object"},
      {"unknown object unbalanced", model + "Extra { { 1; }\n", "unbalanced"},
      {"matrix key with three values", Mutated("0;16;1.0", "0;3;1.0"), "key type"},
      {"rotation key with three values", Mutated("0;4;1.0,0.0,0.0,0.0;;,", "0;3;1.0,0.0,0.0;;,"),
       "key type"},
      {"unknown key type", Mutated("AnimationKey { 4;", "AnimationKey { 7;"), "key type 7"},
      {"key count too large", Mutated("AnimationKey { 4; 2;", "AnimationKey { 4; 3;"),
       "expected"},
      {"word instead of a number", Mutated("0.0;0.0;0.0;,", "0.0;zero;0.0;,"), "expected a number"},
      {"number glued to text", Mutated("0.0;0.0;0.0;,", "0.0;0.0x;0.0;,"), "unexpected text"},
      // The importer read "0,0" as one number, lost track of the faces and
      // tried to allocate tens of gigabytes.
      {"whole number before a comma and a digit",
       "xof 0303txt 0032\nFrame{Mesh{4;0;0;0;1;0;0;1;1;0,0;1;0;2;3;0,1,2;3;0,2,3;}}",
       "decimal comma"},
      // Two lists in one mesh made the importer allocate tens of gigabytes.
      {"second material list",
       "xof 0303txt 0032\nMesh{4;0;0;0;1;0;0;1;1;0, 0;1;0;2;3;0,1,2;3;0,2,3;"
       "MeshMaterialList{1;1;0;{R}}MeshMaterialList{1;1;0;{R}}}",
       "second material list"},
      {"second normals", Mutated("MeshTextureCoords", "MeshNormals { 1; 0.0;0.0;-1.0;; 1; 4;0,0,0,0;; } MeshTextureCoords"),
       "second normals"},
      {"numbers without separator", Mutated("0.0;0.0;0.0;,", "0.0 0.0;0.0;,"), "';' or ','"},
      {"negative count", Mutated("  4;\n", "  -4;\n"), "negative"},
      {"huge count", Mutated("  4;\n", "  99999999999;\n"), "too large"},
      {"number beyond a float", Mutated("0.0;0.0;0.0;,", "1e39;0.0;0.0;,"), "out of range"},
      {"text after the header", "xof 0303txt 0032 Frame A { }\n", "after the header"},
      {"brace inside a string", Mutated("\"quad.png\"", "\"qu}d.png\""), "string"},
      {"deep frames", DeepFrames(200), "nested too deeply"},
      {"tens of thousands of sibling frames", SiblingFrames(30000), "more than 4096 frames"},
      {"template without GUID", "xof 0303txt 0032\ntemplate A { }\nFrame B { }\n", "GUID"},
      {"reference without a name", Mutated("{Bone1}", "{ }"), "a name"},
  };
  for (const CorruptCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string error = Check(c.text);
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
}

// Makes frames and containers and remembers whether anything was asked for.
class RecordingAllocator : public plat::AllocateHierarchy {
 public:
  plat::MeshResult CreateFrame(const std::string& name, plat::MeshFrame** out) override {
    *out = new plat::MeshFrame;
    (*out)->name = name;
    ++made;
    return plat::kMeshOk;
  }
  plat::MeshResult CreateMeshContainer(const std::string&, const std::shared_ptr<const plat::SkinMesh>&,
                                       const std::vector<plat::XMaterial>&,
                                       const std::shared_ptr<const plat::SkinInfo>&,
                                       plat::MeshContainer** out) override {
    *out = new plat::MeshContainer;
    ++made;
    return plat::kMeshOk;
  }
  plat::MeshResult DestroyFrame(plat::MeshFrame* frame) override {
    delete frame;
    return plat::kMeshOk;
  }
  plat::MeshResult DestroyMeshContainer(plat::MeshContainer* container) override {
    delete container;
    return plat::kMeshOk;
  }
  int made = 0;
};

TEST(XFileCheck, RefusedFileFailsTheLoadBeforeAnythingIsBuilt) {
  RecordingAllocator allocator;
  plat::MeshFrame* root = nullptr;
  std::shared_ptr<plat::AnimationController> controller;
  std::string error;
  EXPECT_TRUE(plat::MeshFailed(plat::LoadMeshHierarchyFromXInMemory(ImporterCrashFile(), allocator,
                                                                    &root, &controller, &error)));
  EXPECT_EQ(root, nullptr);
  EXPECT_EQ(controller, nullptr);
  EXPECT_EQ(allocator.made, 0);
  EXPECT_NE(error.find("control character"), std::string::npos) << error;
}

}  // namespace
