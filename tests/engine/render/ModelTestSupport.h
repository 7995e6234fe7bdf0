#pragma once
// A running engine (headless device, registry, lights, camera, frustum) in
// a working directory of its own, with helpers that write the files the
// model tests read: models made by the model writer, small images and
// effect files of the project's format.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/system/DOradovIruzez.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuv3DObject.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvSubMesh.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/PngWriter.h"
#include "platform/gfx/VertexBuffer.h"
#include "platform/math/Math.h"
#include "platform/os/MessageBox.h"
#include "platform/os/Path.h"
#include "tools/modelwriter/ModelWriter.h"

namespace modeltest {

struct EffectSpec {
  const char* name;  // cache name, and the file is <name>.fx
  std::vector<const char*> techniques;
  // "type name" declarations, e.g. "float4x4 world".
  std::vector<const char*> parameters;
};

inline std::string EffectText(const EffectSpec& spec) {
  std::string text;
  for (const char* p : spec.parameters) text += std::string(p) + ";\n";
  for (const char* t : spec.techniques) text += std::string("technique ") + t + " {\n  pass p0 {\n    ZEnable = true;\n  }\n}\n";
  return text;
}

class EngineFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    m_previous = std::filesystem::current_path();
    m_dir = std::filesystem::temp_directory_path() /
            ("models-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
    std::filesystem::current_path(m_dir);
    plat::ClearPathCache();
    plat::ClearMessageBoxes();
    m_engine = std::make_unique<DOradovIruzez>();
    m_engine->Init(nullptr, nullptr);
    m_engine->InitDevice(800, 600, 32, 1);
  }
  void TearDown() override {
    m_engine.reset();
    std::filesystem::current_path(m_previous);
    plat::ClearPathCache();
    plat::ClearMessageBoxes();
    std::filesystem::remove_all(m_dir);
  }

  plat::Device& Device() { return *g_device->GetDevice(); }

  std::string PathOf(const std::string& relative) const { return (m_dir / relative).string(); }

  std::string WriteBytes(const std::string& relative, const std::vector<std::uint8_t>& bytes) {
    const std::filesystem::path path = m_dir / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    plat::ClearPathCache();
    return path.string();
  }

  std::string WriteModel(const std::string& relative, const modelwriter::Model& model) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(modelwriter::WriteModel(model, bytes));
    return WriteBytes(relative, bytes);
  }

  // A 2x2 PNG (the loader goes by content, so any extension will do).
  std::string WriteImage(const std::string& relative, std::uint32_t argb = 0xFF808080u) {
    const std::filesystem::path path = m_dir / relative;
    std::filesystem::create_directories(path.parent_path());
    const std::uint32_t pixels[4] = {argb, argb, argb, argb};
    EXPECT_TRUE(plat::WritePngFile(path.string(), 2, 2, pixels));
    plat::ClearPathCache();
    return path.string();
  }

  void LoadEffect(const EffectSpec& spec) {
    const std::filesystem::path path = m_dir / (std::string(spec.name) + ".fx");
    std::ofstream(path) << EffectText(spec);
    plat::ClearPathCache();
    g_device->LoadEffect(spec.name, path.string().c_str(), 0);
    ASSERT_TRUE(g_device->GetEffect(spec.name)) << spec.name;
  }

  std::filesystem::path m_dir;

 private:
  std::filesystem::path m_previous;
  std::unique_ptr<DOradovIruzez> m_engine;
};

// Vertices of triangle lists for the writer: vertex i at (i, 2i, 3i) with
// normal (0, 1, 0) and coordinates (i / 10, i / 20), light-map (i / 4, i / 8).
inline std::vector<modelwriter::Vertex> NumberedVertices(int count) {
  std::vector<modelwriter::Vertex> out;
  for (int i = 0; i < count; ++i) {
    modelwriter::Vertex v;
    v.position = {float(i), 2.0f * float(i), 3.0f * float(i)};
    v.normal = {0, 1, 0};
    v.u = float(i) / 10;
    v.v = float(i) / 20;
    v.su = float(i) / 4;
    v.sv = float(i) / 8;
    out.push_back(v);
  }
  return out;
}

inline modelwriter::MeshObject MeshObjectWith(const std::string& name, int vertexCount) {
  modelwriter::MeshObject object;
  object.name = name;
  object.bounds = modelwriter::BoxBounds({-1, -2, -3}, {1, 2, 3});
  object.meshes.push_back(NumberedVertices(vertexCount));
  return object;
}

// The vertices a sub-mesh's buffer holds.
inline std::vector<MeshVertex> BufferVertices(const ZOdevuvSubMesh& subMesh) {
  std::vector<std::uint8_t> bytes;
  std::vector<MeshVertex> out;
  if (!subMesh.vertexBuffer || !subMesh.vertexBuffer->CopyOut(0, subMesh.vertexBuffer->Length(), bytes)) {
    return out;
  }
  out.resize(bytes.size() / sizeof(MeshVertex));
  std::memcpy(out.data(), bytes.data(), out.size() * sizeof(MeshVertex));
  return out;
}

// An array of MeshVertex for ZOdevuv3DObject::Init, which takes it over.
inline MeshVertex* NewVertices(const std::vector<MeshVertex>& vertices) {
  auto* out = new MeshVertex[vertices.size()];
  std::copy(vertices.begin(), vertices.end(), out);
  return out;
}

inline MeshVertex Vertex(plat::Vec3 p, float u, float v) {
  MeshVertex out;
  out.position = p;
  out.normal = {0, 0, -1};
  out.u = u;
  out.v = v;
  return out;
}

}  // namespace modeltest
