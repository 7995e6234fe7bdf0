// The fifteen effect files of the demo park, read the way the game loads
// them (base directory + "\effects\" + the file name, "ground_shadow.fx "
// with its trailing blank). For each: the techniques the game selects
// exist; every parameter the game sets is declared with a type its setter
// fills, or is listed as left out on purpose; every uniform the shaders
// read is a declared parameter of the matching type; and the vertex stages
// read only inputs the vertices they are drawn with carry.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gfx/Device.h"
#include "platform/gfx/Effect.h"

namespace {

using plat::EffectParamType;

// How the game sets a parameter, which decides the declaration it needs.
enum class Setter { Matrix, MatrixArray, Vector, Float, Pair, Int, Texture };

struct Set {
  const char* name;
  Setter setter;
};

struct Ignored {
  const char* name;
  const char* why;
};

// The vertex layouts the effects are drawn with.
const std::set<std::string> kStaticMesh = {"POSITION", "NORMAL", "TEXCOORD0", "TEXCOORD1", "TANGENT"};
const std::set<std::string> kWaterVertex = {"POSITION", "NORMAL", "TEXCOORD0", "TEXCOORD1", "TANGENT", "BINORMAL"};
const std::set<std::string> kSkinnedVertex = {"POSITION", "NORMAL", "TANGENT", "TEXCOORD0", "BLENDWEIGHT",
                                              "BLENDINDICES"};

struct EffectFile {
  const char* file;  // as the resource set-up names it
  const char* name;  // in the device's effect cache
  std::vector<const char*> techniques;
  std::vector<Set> parameters;
  std::vector<Ignored> ignored;
  const std::set<std::string>* inputs;
};

// The light-0 shadow parameters shared by the shadow-mapped effects.
std::vector<Set> ShadowParameters(bool withScene) {
  std::vector<Set> p = {{"g_vMaterial", Setter::Vector},     {"g_txShadow", Setter::Texture},
                        {"g_vLightDiffuse", Setter::Vector}, {"g_vLightAmbient", Setter::Vector},
                        {"g_fCosTheta", Setter::Float},      {"g_vLightPos", Setter::Vector},
                        {"g_vLightDir", Setter::Vector},     {"g_mWorldView", Setter::Matrix},
                        {"g_mProj", Setter::Matrix},         {"g_mViewToLightProj", Setter::Matrix}};
  if (withScene) p.push_back({"g_txScene", Setter::Texture});
  return p;
}

const std::vector<const char*> kShadowTechniques = {"RenderScene", "RenderSceneTransparency", "RenderShadow",
                                                    "RenderShadowTransparency"};

// The textured, directionally lit parameter set of "Default" and its kin.
std::vector<Set> LitTextured(std::initializer_list<const char*> names) {
  std::vector<Set> all = {{"Dtex", Setter::Texture},        {"mDiffuse", Setter::Vector},
                          {"mSpecular", Setter::Vector},    {"mPower", Setter::Float},
                          {"worldViewProj", Setter::Matrix}, {"world", Setter::Matrix},
                          {"worldInverseTranspose", Setter::Matrix}, {"viewInverse", Setter::Matrix},
                          {"vecEye", Setter::Vector},       {"lightDir", Setter::Vector},
                          {"lightColor", Setter::Vector},   {"lightAmbient", Setter::Vector}};
  std::vector<Set> chosen;
  for (const char* name : names) {
    for (const Set& s : all)
      if (std::string(s.name) == name) chosen.push_back(s);
  }
  return chosen;
}

std::vector<Set> Tiled(const char* texture, const char* tiling, const char* offset) {
  return {{texture, Setter::Texture}, {tiling, Setter::Pair}, {offset, Setter::Pair}};
}

std::vector<Set> Join(std::vector<std::vector<Set>> parts) {
  std::vector<Set> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::vector<Set> Without(std::vector<Set> all, std::set<std::string> names) {
  std::erase_if(all, [&names](const Set& s) { return names.count(s.name) > 0; });
  return all;
}

std::vector<EffectFile> EffectFiles() {
  const char* eyeFromView = "the eye is taken from the inverse view matrix";
  return {
      {"ps_shaders.fx", "BaseEffects", {"BaseShaders"},
       Join({{{"shType", Setter::Int}, {"LightMap", Setter::Texture}},
             Tiled("MixTex0", "TillingMix", "OffsetMix"), Tiled("BaseTexture0", "TillingBase1", "OffsetBase1"),
             Tiled("BaseTexture1", "TillingBase2", "OffsetBase2"),
             Tiled("CompositeBase", "TillingCBase1", "OffsetCBase1"),
             Tiled("CompositeTex0", "TillingCBase2", "OffsetCBase2"),
             Tiled("CompositeTex0Alpha", "TillingCBase3", "OffsetCBase3"),
             Tiled("CompositeTex1", "TillingCBase4", "OffsetCBase4"),
             Tiled("CompositeTex1Alpha", "TillingCBase5", "OffsetCBase5")}),
       {{"Tilling", "the bump mode's tiling, set on this effect while another one draws"},
        {"Offset", "the bump mode's offset, set on this effect while another one draws"}},
       &kStaticMesh},
      {"bump_reflection.fx", "BumpRefl", {"BumpMap"},
       {{"WorldViewProj", Setter::Matrix}, {"World", Setter::Matrix}, {"ViewInv", Setter::Matrix},
        {"vecLightDir", Setter::Vector}, {"ColorMapTex", Setter::Texture}, {"BumpMapTex", Setter::Texture},
        {"ReflectionMapTex", Setter::Texture}},
       {{"vecEye", eyeFromView}},
       &kStaticMesh},
      {"sh.fx", "Standard", {"textured"},
       LitTextured({"Dtex", "mDiffuse", "mSpecular", "mPower", "worldViewProj", "world", "worldInverseTranspose",
                    "vecEye", "lightDir", "lightColor", "lightAmbient"}),
       {{"viewInverse", "the eye comes with vecEye"}},
       &kStaticMesh},
      {"specular.fx", "SpecularMap", {"Specularmapping"},
       {{"Dtex", Setter::Texture}, {"Stex", Setter::Texture}, {"matWVP", Setter::Matrix},
        {"matWorld", Setter::Matrix}, {"worldInverseTranspose", Setter::Matrix}, {"lDir", Setter::Vector},
        {"lDiffuse", Setter::Vector}, {"mDiffuse", Setter::Vector}, {"mSpecular", Setter::Vector},
        {"camPosition", Setter::Vector}, {"mPower", Setter::Float}},
       {{"ViewInv", "the eye comes with camPosition"},
        {"lightDir", "set by the bump mode, which draws with another effect; this one is lit by lDir"},
        {"lightColor", "set by the bump mode; this effect's light colour is lDiffuse"},
        {"lightAmbient", "set by the bump mode only, so it would be stale here"}},
       &kStaticMesh},
      {"diffuse.fx", "Default", {"textured"},
       LitTextured({"Dtex", "mDiffuse", "mSpecular", "mPower", "worldViewProj", "world", "worldInverseTranspose",
                    "viewInverse", "lightDir", "lightColor", "lightAmbient"}),
       {{"vecEye", eyeFromView}},
       &kStaticMesh},
      {"character_diffuseVxBlend.fx", "CharAnim", {"textured", "textured_ghost"},
       Join({{{"FinalTransforms", Setter::MatrixArray}, {"NumVertInfluences", Setter::Int}},
             LitTextured({"Dtex", "mDiffuse", "mSpecular", "mPower", "worldViewProj", "world",
                          "worldInverseTranspose", "viewInverse", "lightDir", "lightColor", "lightAmbient"})}),
       {},
       &kSkinnedVertex},
      {"sample.fx", "Sample", {"textured"},
       LitTextured({"Dtex", "worldViewProj", "world", "lightDir", "lightColor", "lightAmbient"}),
       {},
       &kStaticMesh},
      {"diffuse_old.fx", "DiffOld", {"textured"},
       LitTextured({"Dtex", "mDiffuse", "worldViewProj", "worldInverseTranspose", "lightDir", "lightColor",
                    "lightAmbient"}),
       {},
       &kStaticMesh},
      {"diffuse_normal.fx", "DiffNormal", {"diffuse"},
       {{"worldViewProj", Setter::Matrix}, {"world", Setter::Matrix}, {"vecLightDir", Setter::Vector},
        {"lightColor", Setter::Vector}, {"lightAmbient", Setter::Vector}},
       {},
       &kStaticMesh},
      {"Water2.fx", "Water2", {"ReflectionRefractionSpecular"},
       {{"g_texNoise1DUDV", Setter::Texture}, {"g_texNoise2DUDV", Setter::Texture},
        {"g_texNoise1Normals", Setter::Texture}, {"g_texNoise2Normals", Setter::Texture},
        {"g_texRefraction", Setter::Texture}, {"g_texReflection", Setter::Texture},
        {"g_matWorldViewProj", Setter::Matrix}, {"g_matWorld", Setter::Matrix},
        {"g_fNoise1OffsetUV", Setter::Pair}, {"g_fNoise2OffsetUV", Setter::Pair}, {"g_vEyePos", Setter::Vector},
        {"g_vLightDir", Setter::Vector}, {"g_cLightDiffuse", Setter::Vector}, {"g_cLightAmbient", Setter::Vector}},
       {},
       &kWaterVertex},
      {"ground_shadow.fx ", "GroundShadow", kShadowTechniques,
       Without(ShadowParameters(true), {"g_fCosTheta", "g_vLightDir"}),
       {{"g_fCosTheta", "open ground is lit everywhere, not inside a spot cone"},
        {"g_vLightDir", "open ground is lit everywhere, not inside a spot cone"}},
       &kStaticMesh},
      {"Soft Shadows.fx", "SoftShadow", kShadowTechniques, ShadowParameters(true), {}, &kStaticMesh},
      {"Landscape.fx", "Landscape", {"RenderScene"},
       Join({ShadowParameters(false), Tiled("layer_0_tex", "Tilling01", "Offset01"),
             Tiled("layer_1_tex", "Tilling02", "Offset02"), Tiled("layer_2_tex", "Tilling03", "Offset03"),
             Tiled("layer_3_tex", "Tilling04", "Offset04"), Tiled("layer_4_tex", "Tilling05", "Offset05"),
             {{"mask_1_tex", Setter::Texture}, {"mask_2_tex", Setter::Texture}, {"mask_3_tex", Setter::Texture},
              {"mask_4_tex", Setter::Texture}}}),
       {},
       &kStaticMesh},
      {"baseVx.fx", "BaseVertexShader", {"base"},
       LitTextured({"Dtex", "mDiffuse", "mSpecular", "mPower", "worldViewProj", "world", "worldInverseTranspose",
                    "vecEye", "lightDir", "lightColor", "lightAmbient"}),
       {},
       &kStaticMesh},
      {"ShadowMap.fx", "Default_shadow", kShadowTechniques, ShadowParameters(true), {}, &kStaticMesh},
  };
}

void PrintTo(const EffectFile& f, std::ostream* os) { *os << f.name; }

// Whether a declaration takes what its setter gives.
bool Fits(const plat::EffectParameter& p, Setter setter) {
  switch (setter) {
    case Setter::Matrix: return p.type == EffectParamType::Float4x4 && p.arraySize == 0;
    case Setter::MatrixArray: return p.type == EffectParamType::Float4x4 && p.arraySize == plat::kMaxEffectMatrixArray;
    case Setter::Vector: return p.type == EffectParamType::Float4 && p.arraySize == 0;
    case Setter::Float: return p.type == EffectParamType::Float && p.arraySize == 0;
    case Setter::Pair: return p.type == EffectParamType::Float2 && p.arraySize == 0;
    case Setter::Int: return p.type == EffectParamType::Int && p.arraySize == 0;
    case Setter::Texture: return p.type == EffectParamType::Texture;
  }
  return false;
}

// The GLSL type a parameter of each effect type is read as.
const char* GlslType(EffectParamType type) {
  switch (type) {
    case EffectParamType::Float: return "float";
    case EffectParamType::Float2: return "vec2";
    case EffectParamType::Float3: return "vec3";
    case EffectParamType::Float4: return "vec4";
    case EffectParamType::Float4x4: return "mat4";
    case EffectParamType::Int: return "int";
    case EffectParamType::Bool: return "bool";
    case EffectParamType::Texture: return "sampler2D";
  }
  return "";
}

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  const auto last = s.find_last_not_of(" \t");
  return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

class EffectFilesTest : public ::testing::TestWithParam<EffectFile> {
 protected:
  void SetUp() override {
    plat::DeviceParams params;
    params.backend = plat::BackendChoice::Headless;
    device_ = plat::CreateDevice(params);
    ASSERT_NE(device_, nullptr);
    std::string error;
    // The game's own path form: base directory, backslashes, the name as listed.
    effect_ = plat::CreateEffectFromFile(device_, std::string(HALVENOR_PARK_DIR) + "\\effects\\" + GetParam().file,
                                         &error);
    ASSERT_NE(effect_, nullptr) << error;
  }

  const plat::EffectDescription& Description() const { return effect_->Description(); }

  std::shared_ptr<plat::Device> device_;
  std::shared_ptr<plat::Effect> effect_;
};

TEST_P(EffectFilesTest, HasEveryTechniqueTheGameSelectsWithPassesThatNameBothStages) {
  for (const char* technique : GetParam().techniques) {
    SCOPED_TRACE(technique);
    const plat::EffectTechnique* t = Description().FindTechnique(technique);
    ASSERT_NE(t, nullptr);
    ASSERT_FALSE(t->passes.empty());
    for (const plat::EffectPass& pass : t->passes) {
      EXPECT_FALSE(pass.vertexShader.empty()) << pass.name;
      EXPECT_FALSE(pass.fragmentShader.empty()) << pass.name;
    }
  }
}

TEST_P(EffectFilesTest, DeclaresEveryParameterTheGameSetsWithATypeItsSetterFills) {
  for (const Set& set : GetParam().parameters) {
    SCOPED_TRACE(set.name);
    const plat::EffectParameter* p = Description().FindParameter(set.name);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(Fits(*p, set.setter)) << plat::EffectTypeName(p->type) << "[" << p->arraySize << "]";
  }
  for (const Ignored& ignored : GetParam().ignored) {
    EXPECT_EQ(Description().FindParameter(ignored.name), nullptr)
        << ignored.name << " is listed as left out (" << ignored.why << ") but declared";
  }
}

TEST_P(EffectFilesTest, ShadersReadOnlyDeclaredParametersOfTheMatchingType) {
  static const std::regex uniform(R"(\buniform\s+(\w+)\s+([^;]+);)");
  static const std::regex declarator(R"(^(\w+)\s*(?:\[\s*(\d+)\s*\])?$)");
  for (const plat::EffectShader& shader : Description().shaders) {
    SCOPED_TRACE(shader.name);
    for (std::sregex_iterator it(shader.source.begin(), shader.source.end(), uniform), end; it != end; ++it) {
      const std::string type = (*it)[1];
      std::stringstream names((*it)[2].str());
      for (std::string item; std::getline(names, item, ',');) {
        std::smatch m;
        const std::string trimmed = Trimmed(item);
        ASSERT_TRUE(std::regex_match(trimmed, m, declarator)) << trimmed;
        const plat::EffectParameter* p = Description().FindParameter(m[1].str());
        ASSERT_NE(p, nullptr) << "uniform " << m[1] << " is no parameter, so nothing ever sets it";
        EXPECT_EQ(type, GlslType(p->type)) << m[1];
        const std::uint32_t size = m[2].matched ? std::uint32_t(std::stoul(m[2].str())) : 0;
        EXPECT_EQ(size, p->arraySize) << m[1];
      }
    }
  }
}

TEST_P(EffectFilesTest, VertexStagesReadOnlyInputsTheirVerticesCarry) {
  static const std::regex input(R"(^\s*in\s+\w+\s+(\w+)\s*;)", std::regex::multiline);
  for (const plat::EffectShader& shader : Description().shaders) {
    if (shader.stage != plat::ShaderStage::Vertex) continue;
    SCOPED_TRACE(shader.name);
    bool hasPosition = false;
    for (std::sregex_iterator it(shader.source.begin(), shader.source.end(), input), end; it != end; ++it) {
      const std::string name = (*it)[1];
      EXPECT_TRUE(GetParam().inputs->count(name)) << name << " is not in the vertices, it would read (0, 0, 0, 1)";
      hasPosition = hasPosition || name == "POSITION";
    }
    EXPECT_TRUE(hasPosition);
  }
}

INSTANTIATE_TEST_SUITE_P(DemoPark, EffectFilesTest, ::testing::ValuesIn(EffectFiles()),
                         [](const ::testing::TestParamInfo<EffectFile>& info) { return std::string(info.param.name); });

// The table above is the whole set: no file of the folder goes unchecked,
// and the listed name with the trailing blank finds its file.
TEST(EffectFilesFolderTest, HoldsExactlyTheFifteenFilesTheGameLoads) {
  std::set<std::string> expected;
  for (const EffectFile& f : EffectFiles()) expected.insert(Trimmed(f.file));
  EXPECT_EQ(expected.size(), 15u);
  std::set<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(HALVENOR_PARK_DIR) + "/effects"))
    found.insert(entry.path().filename().string());
  EXPECT_EQ(found, expected);
  EXPECT_TRUE(std::filesystem::exists(std::string(HALVENOR_PARK_DIR) + "/effects/ground_shadow.fx"));
  EXPECT_FALSE(std::filesystem::exists(std::string(HALVENOR_PARK_DIR) + "/effects/ground_shadow.fx "));
}

}  // namespace
