#pragma once
// A running headless engine in a scratch base folder, with a type catalogue
// and a reader over it, and helpers that write descriptor files and the
// small models and figures they name.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/Globals.h"
#include "park/objects/CObjectTypeCatalog.h"
#include "platform/os/DebugOutput.h"
#include "tests/engine/render/ModelTestSupport.h"
#include "tests/platform/mesh/XFixture.h"
#include "world/objects/CObjectDescriptorReader.h"

namespace descriptortest {

class DescriptorFixture : public modeltest::EngineFixture {
 protected:
  void SetUp() override {
    EngineFixture::SetUp();
    plat::SetDebugOutputSink([this](std::string_view text) { m_debug += text; });
    m_catalog = std::make_unique<CObjectTypeCatalog>();
    m_reader = std::make_unique<CObjectDescriptorReader>(m_dir.string().c_str(), *m_catalog, g_lights);
  }
  void TearDown() override {
    plat::SetDebugOutputSink({});
    m_reader.reset();
    m_catalog.reset();  // its models go before the device
    EngineFixture::TearDown();
  }

  // A model file of one mesh object (a triangle) under the base folder.
  void WriteBoxModel(const std::string& relative) {
    modelwriter::Model model;
    model.meshObjects.push_back(modeltest::MeshObjectWith("part", 3));
    WriteModel(relative, model);
  }
  void WriteFigure(const std::string& relative) { WriteBytes(relative, Bytes(xfixture::ModelText())); }

  // Writes "FileDescriptor" > "DravonFile" with the attributes and children.
  std::string WriteDescriptor(const std::string& relative, const std::string& attributes,
                              const std::string& children) {
    const std::string text = "<FileDescriptor><DravonFile " + attributes + ">" + children +
                             "</DravonFile></FileDescriptor>";
    return WriteBytes(relative, Bytes(text));
  }
  const ObjectTypeDescriptor& LoadOne(const std::string& attributes, const std::string& children) {
    const int32_t before = m_catalog->Count();
    m_reader->LoadObjectDescriptor(WriteDescriptor("objects/ini/test.xml", attributes, children).c_str());
    EXPECT_EQ(m_catalog->Count(), before + 1);
    static const ObjectTypeDescriptor kNone;
    return m_catalog->Count() > before ? *m_catalog->At(before) : kNone;
  }

  static std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

  std::unique_ptr<CObjectTypeCatalog> m_catalog;
  std::unique_ptr<CObjectDescriptorReader> m_reader;
  std::string m_debug;
};

}  // namespace descriptortest
