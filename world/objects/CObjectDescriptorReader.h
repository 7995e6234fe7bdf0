#pragma once
// Reads object descriptor files ("FileDescriptor" > "DravonFile"): single
// scene objects, and object types of the four descriptor kinds into the
// type catalogue, with their models, animated parts and figures. Every file
// name in a descriptor is relative to the base folder.
#include <cstdint>
#include <memory>

#include "engine/core/EngineString.h"
#include "engine/core/XmlNode.h"
#include "platform/math/Types.h"
#include "world/objects/CParkModel.h"

class CObjectTypeCatalog;
class ObjectTypeDescriptor;
class ZOdevuvCharacter;
class ZOdevuvLightManager;
struct AnimatedPartRecord;

// (0, 0, 0), then the text up to the first comma as x, the text between the
// first and the second comma as y and the rest as z; a missing part stays 0.
void ParseVector3(const char* text, plat::Vec3* out);

class CObjectDescriptorReader {
 public:
  // Items of one path-animated part: their numbers have two digits.
  static constexpr int32_t kMaxPathItems = 100;

  CObjectDescriptorReader(EngineString baseDirectory, CObjectTypeCatalog& catalog,
                          ZOdevuvLightManager* lights);

  // The one model of an "Objects" descriptor (a plain game object: single
  // scene objects are always drawn); null for any other type.
  std::unique_ptr<ZOdevuvGameObject> LoadSingleObject(const char* path);
  // Appends the described object type to the catalogue (nothing for an
  // unknown descriptor type).
  void LoadObjectDescriptor(const char* path);
  // The same from a parsed "FileDescriptor" element.
  std::unique_ptr<ZOdevuvGameObject> LoadSingleObjectFrom(const XmlNode& root);
  void LoadObjectDescriptorFrom(const XmlNode& root);

 private:
  struct Folders {
    EngineString models, textures;
  };

  Folders ReadFolders(const XmlNode& file) const;
  void SetSecondPath(const XmlNode& file) const;
  CParkModel* MakeModel(const EngineString& name, const EngineString& file, const Folders& folders);
  ZOdevuvCharacter* MakeCharacter(const EngineString& name, const EngineString& file,
                                  const Folders& folders);
  void ReadCommon(const XmlNode& file, ObjectTypeDescriptor& type) const;
  void ReadKindAndEventLocation(const XmlNode& file, ObjectTypeDescriptor& type) const;
  void ReadUsedBlock(const XmlNode& file, ObjectTypeDescriptor& type) const;
  void SetPlacementFlags(ObjectTypeDescriptor& type) const;
  void ReadObjects(const XmlNode& file, ObjectTypeDescriptor& type);
  void ReadEfxAnimated(const XmlNode& file, ObjectTypeDescriptor& type);
  void ReadPathAnimatedPart(const XmlNode& part, const Folders& folders, const plat::Vec3& local,
                            ObjectTypeDescriptor& type);
  void ReadAnimObjects(const XmlNode& file, ObjectTypeDescriptor& type);
  void ReadCombinedObjects(const XmlNode& file, ObjectTypeDescriptor& type);
  void ReadEventModels(const XmlNode& file, const Folders& folders, ObjectTypeDescriptor& type);
  void ReadEventFigures(const XmlNode& file, const Folders& folders, ObjectTypeDescriptor& type);
  EngineString Path(const EngineString& relative) const;

  EngineString m_base;
  CObjectTypeCatalog& m_catalog;
  ZOdevuvLightManager* m_lights;
  // The attributes of the file being read that decide the placement flags.
  EngineString m_used, m_randRot;
};
