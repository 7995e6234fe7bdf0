#include "world/objects/CObjectDescriptorReader.h"

#include <cstdlib>
#include <vector>

#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "gui/core/CGuiMainClass.h"
#include "park/objects/CObjectTypeCatalog.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "platform/os/DebugOutput.h"

namespace {

constexpr const char* kRootTag = "FileDescriptor";
constexpr const char* kFileTag = "DravonFile";
constexpr const char* kYes = "YES";
constexpr const char* kNoMovie = "movie";
constexpr int kVectorParts = 3;

// An absent attribute or text reads as the empty text.
const char* Attribute(const XmlNode& node, const char* name) {
  const char* value = node.GetAttribute(name);
  return value ? value : "";
}

const char* Text(const XmlNode& node) {
  const char* text = node.GetText(0);
  return text ? text : "";
}

EngineString ChildText(const XmlNode& node, const char* name) { return Text(node.GetChildNode(name)); }

void ParseVectorAttribute(const XmlNode& node, const char* name, plat::Vec3* out) {
  const char* text = Attribute(node, name);
  if (*text) ParseVector3(text, out);
}

void LoadTextures() {
  if (g_assetPaths) g_assetPaths->LoadTextures();
}

EngineString DisplayText(int32_t id) { return g_guiMain ? g_guiMain->GetText(id) : EngineString(); }

}  // namespace

void ParseVector3(const char* text, plat::Vec3* out) {
  *out = plat::Vec3{};
  EngineString value(text);
  if (value.Find(",") < 0) return;
  // atof stops at a comma, so the third part may run on to the end.
  const std::vector<EngineString> parts = value.Split(',');
  float* fields[kVectorParts] = {&out->x, &out->y, &out->z};
  for (size_t i = 0; i < parts.size() && i < kVectorParts; ++i) {
    *fields[i] = static_cast<float>(std::atof(parts[i].CStr()));
  }
}

CObjectDescriptorReader::CObjectDescriptorReader(EngineString baseDirectory, CObjectTypeCatalog& catalog,
                                                 ZOdevuvLightManager* lights)
    : m_base(std::move(baseDirectory)), m_catalog(catalog), m_lights(lights) {}

EngineString CObjectDescriptorReader::Path(const EngineString& relative) const {
  return m_base + "\\" + relative;
}

std::unique_ptr<ZOdevuvGameObject> CObjectDescriptorReader::LoadSingleObject(const char* path) {
  return LoadSingleObjectFrom(XmlNode::OpenFileHelper(path, kRootTag));
}

void CObjectDescriptorReader::LoadObjectDescriptor(const char* path) {
  LoadObjectDescriptorFrom(XmlNode::OpenFileHelper(path, kRootTag));
}

std::unique_ptr<ZOdevuvGameObject> CObjectDescriptorReader::LoadSingleObjectFrom(const XmlNode& root) {
  const XmlNode file = root.GetChildNode(kFileTag);
  if (EngineString(Attribute(file, "type")) != "Objects") return nullptr;
  const Folders folders = ReadFolders(file);
  SetSecondPath(file);
  auto object = std::make_unique<ZOdevuvGameObject>();
  object->Init(Attribute(file, "name"), Path(folders.models + "\\" + ChildText(file, "Modell")), folders.textures,
               m_lights);
  LoadTextures();
  return object;
}

void CObjectDescriptorReader::LoadObjectDescriptorFrom(const XmlNode& root) {
  auto type = std::make_unique<ObjectTypeDescriptor>();
  const XmlNode file = root.GetChildNode(kFileTag);
  const EngineString kind = Attribute(file, "type");
  m_used = Attribute(file, "used");
  m_randRot = Attribute(file, "RandRot");
  if (m_randRot.Length() == 0) m_randRot = "NO";
  plat::OutputDebugString((EngineString("LOading Object: ") + Attribute(file, "name") + "\n").Std());
  ReadCommon(file, *type);
  if (kind == "Objects") {
    ReadObjects(file, *type);
  } else if (kind == "efx_animated") {
    ReadEfxAnimated(file, *type);
  } else if (kind == "AnimObjects") {
    ReadAnimObjects(file, *type);
  } else if (kind == "Combied_Objects") {
    ReadCombinedObjects(file, *type);
  } else {
    return;  // an unknown type describes nothing
  }
  m_catalog.Add(std::move(type));
}

CObjectDescriptorReader::Folders CObjectDescriptorReader::ReadFolders(const XmlNode& file) const {
  return {ChildText(file, "ModelDirectory"), Path(ChildText(file, "TexureDirectory"))};
}

void CObjectDescriptorReader::SetSecondPath(const XmlNode& file) const {
  const EngineString folder = ChildText(file, "LMTextureDir");
  if (folder.Length() > 0 && g_assetPaths) g_assetPaths->SetSecondPath(Path(folder).CStr());
}

CParkModel* CObjectDescriptorReader::MakeModel(const EngineString& name, const EngineString& file,
                                               const Folders& folders) {
  CParkModel* model = m_catalog.AdoptModel(std::make_unique<CParkModel>());
  model->InitModel(name, Path(folders.models + "\\" + file), folders.textures, m_lights);
  return model;
}

ZOdevuvCharacter* CObjectDescriptorReader::MakeCharacter(const EngineString& name, const EngineString& file,
                                                         const Folders& folders) {
  ZOdevuvCharacter* character = m_catalog.AdoptCharacter(std::make_unique<ZOdevuvCharacter>());
  character->SetName(name);
  character->SetSecondName(file);
  character->SetTextureDirectory(folders.textures);
  character->Load(Path(folders.models + "\\" + file));
  character->SetAnimationSet(character->GetCurrentAnimationSet() + 1);
  return character;
}

void CObjectDescriptorReader::ReadCommon(const XmlNode& file, ObjectTypeDescriptor& type) const {
  ParseVectorAttribute(file, "gate", &type.gatePosition);
  ParseVectorAttribute(file, "exit", &type.exitPosition);
  ParseVectorAttribute(file, "SpecPosition", &type.specPosition);
  ParseVectorAttribute(file, "SpecEventLocation", &type.specialEventLocation);
  ParseVectorAttribute(file, "Level1FlagPos", &type.levelFlagPositions[0]);
  ParseVectorAttribute(file, "Level2FlagPos", &type.levelFlagPositions[1]);
  ParseVectorAttribute(file, "Level3FlagPos", &type.levelFlagPositions[2]);
  const char* displayId = Attribute(file, "NormalName");
  if (*displayId) type.displayName = DisplayText(std::atoi(displayId));
  const char* rotation = Attribute(file, "SpecRotation");
  if (*rotation) type.specRotation = static_cast<float>(std::atof(rotation));
  const XmlNode animTime = file.GetChildNode("animTime");
  if (animTime.GetText(0)) type.animTime = static_cast<float>(std::atof(animTime.GetText(0)));
  const XmlNode place = file.GetChildNode("place");
  if (!place.IsEmpty()) {
    type.placeY = std::atoi(Attribute(place, "y"));
    type.placeX = std::atoi(Attribute(place, "x"));
  }
  type.inPathNames.clear();
  type.outPathNames.clear();
  const int paths = file.CountChildNodes("paths");
  for (int i = 0; i < paths; ++i) {
    const XmlNode entry = file.GetChildNodeAt("paths", i);
    type.inPathNames.emplace_back(Attribute(entry, "in"));
    type.outPathNames.emplace_back(Attribute(entry, "out"));
  }
}

void CObjectDescriptorReader::ReadKindAndEventLocation(const XmlNode& file, ObjectTypeDescriptor& type) const {
  const XmlNode kind = file.GetChildNode("ObjType");
  if (kind.GetText(0)) type.objType = std::atoi(kind.GetText(0));
  EngineString location = ChildText(file, "SpecialEventLocation");
  const std::vector<EngineString> parts = location.Split(',');
  if (parts.size() < kVectorParts) return;
  type.specialEventLocation = {static_cast<float>(std::atof(parts[0].CStr())),
                               static_cast<float>(std::atof(parts[1].CStr())),
                               static_cast<float>(std::atof(parts[2].CStr()))};
}

void CObjectDescriptorReader::ReadUsedBlock(const XmlNode& file, ObjectTypeDescriptor& type) const {
  if (m_used != kYes) return;
  type.unlockFlag = 1;
  const XmlNode visitor = file.GetChildNode("visitor");
  if (!visitor.IsEmpty()) type.visitorCapacity = std::atoi(Text(visitor));
  const XmlNode cost = file.GetChildNode("bCost");
  if (!cost.IsEmpty()) type.buildCost = std::atoi(Text(cost));
  type.pathValue = ChildText(file, "path");
  type.effect = ChildText(file, "effect");
  if (type.effect.Length() > 0) type.hasEffects = 1;
  const XmlNode movie = file.GetChildNode("bUnlockMovie");
  if (!movie.IsEmpty()) {
    type.movie = Text(movie);
  } else {
    type.movie = kNoMovie;
    type.unlockFlag = 0;
  }
}

void CObjectDescriptorReader::SetPlacementFlags(ObjectTypeDescriptor& type) const {
  if (m_used == kYes) type.unlockFlag = 1;
  if (m_randRot == kYes) type.randomRotation = 1;
}

void CObjectDescriptorReader::ReadEventModels(const XmlNode& file, const Folders& folders,
                                              ObjectTypeDescriptor& type) {
  const int count = file.CountChildNodes("SpecialEventObj");
  for (int i = 0; i < count; ++i) {
    const XmlNode entry = file.GetChildNodeAt("SpecialEventObj", i);
    SpecialEventRecord record;
    record.name = Attribute(entry, "name");
    record.gameObject = MakeModel(record.name, Text(entry), folders);
    type.eventFigures.push_back(record);
  }
}

void CObjectDescriptorReader::ReadEventFigures(const XmlNode& file, const Folders& folders,
                                               ObjectTypeDescriptor& type) {
  const int count = file.CountChildNodes("SpecialEventObj");
  for (int i = 0; i < count; ++i) {
    const XmlNode entry = file.GetChildNodeAt("SpecialEventObj", i);
    SpecialEventRecord record;
    record.isCharacter = 1;
    record.name = Attribute(entry, "name");
    record.character = MakeCharacter(type.name, Text(entry), folders);
    type.eventFigures.push_back(record);
  }
}

void CObjectDescriptorReader::ReadObjects(const XmlNode& file, ObjectTypeDescriptor& type) {
  const Folders folders = ReadFolders(file);
  ReadKindAndEventLocation(file, type);
  ReadEventModels(file, folders, type);
  ReadUsedBlock(file, type);
  SetSecondPath(file);
  type.name = Attribute(file, "name");
  CParkModel* model = MakeModel(type.name, ChildText(file, "Modell"), folders);
  SetPlacementFlags(type);
  type.models.push_back(model);
  LoadTextures();
}

void CObjectDescriptorReader::ReadEfxAnimated(const XmlNode& file, ObjectTypeDescriptor& type) {
  const Folders folders = ReadFolders(file);
  ReadKindAndEventLocation(file, type);
  ReadUsedBlock(file, type);
  SetSecondPath(file);
  // Path-animated items stand where the last part before them stands.
  plat::Vec3 local;
  const int count = file.CountChildNodes("Modell_EFX");
  for (int i = 0; i < count; ++i) {
    const XmlNode part = file.GetChildNodeAt("Modell_EFX", i);
    if (EngineString(Attribute(part, "atype")) == "pathanim") {
      ReadPathAnimatedPart(part, folders, local, type);
      continue;
    }
    AnimatedPartRecord record;
    record.parentName = Attribute(part, "parentname");
    record.name = Attribute(part, "name");
    record.rotateBegin = static_cast<float>(std::atof(Attribute(part, "rotate_begin")));
    record.rotateEnd = static_cast<float>(std::atof(Attribute(part, "rotate_end")));
    ParseVector3(Attribute(part, "move_begin"), &record.moveBegin);
    ParseVector3(Attribute(part, "move_end"), &record.moveEnd);
    record.animPath = Attribute(part, "animPath");
    ParseVector3(Attribute(part, "rotationPoint"), &record.rotationPoint);
    ParseVector3(Attribute(part, "rotAxis"), &record.rotationAxis);
    record.rotationSpeed = static_cast<float>(std::atof(Attribute(part, "rSpeed")));
    record.moveSpeed = static_cast<float>(std::atof(Attribute(part, "mSpeed")));
    const char* closed = part.GetAttribute("closedRot");
    record.closedRotation = closed && std::atoi(closed) == 1 ? 1 : 0;
    ParseVector3(Attribute(part, "localCoord"), &local);
    const bool root = EngineString(Attribute(part, "type")) == "root";
    if (root) SetPlacementFlags(type);
    CParkModel* model = MakeModel(record.name, Text(part), folders);
    model->position = local;
    if (root) type.name = Attribute(file, "name");
    type.modelSetups.push_back(record);
    type.models.push_back(model);
    LoadTextures();
  }
}

void CObjectDescriptorReader::ReadPathAnimatedPart(const XmlNode& part, const Folders& folders,
                                                   const plat::Vec3& local, ObjectTypeDescriptor& type) {
  AnimatedPartRecord record;
  record.parentName = Attribute(part, "parentname");
  record.name = Attribute(part, "name");
  record.animPath = Attribute(part, "animPath");
  record.itemCount = std::atoi(Attribute(part, "intemnum"));
  record.itemOffset = std::atoi(Attribute(part, "itemOffset"));
  const int32_t items = record.itemCount < kMaxPathItems ? record.itemCount : kMaxPathItems;
  for (int32_t k = 0; k < items; ++k) {
    EngineString number;
    number.Format("%.2d.EFX", k);
    CParkModel* model = MakeModel(record.name, EngineString(Text(part)) + number, folders);
    model->partMarker = CParkModel::kVehicleMarker;
    model->position = local;
    type.modelSetups.push_back(record);
    type.models.push_back(model);
  }
  LoadTextures();
}

void CObjectDescriptorReader::ReadAnimObjects(const XmlNode& file, ObjectTypeDescriptor& type) {
  type.isRide = 1;
  const Folders folders = ReadFolders(file);
  const EngineString modelFile = ChildText(file, "Modell");
  ReadKindAndEventLocation(file, type);
  ReadUsedBlock(file, type);
  type.name = Attribute(file, "name");
  type.characters.push_back(MakeCharacter(type.name, modelFile, folders));
  ReadEventFigures(file, folders, type);
}

void CObjectDescriptorReader::ReadCombinedObjects(const XmlNode& file, ObjectTypeDescriptor& type) {
  type.hasEffects = 1;
  const Folders folders = ReadFolders(file);
  const EngineString staticPart = ChildText(file, "Modell_EFX");
  ReadKindAndEventLocation(file, type);
  SetSecondPath(file);
  type.name = Attribute(file, "name");
  CParkModel* model = MakeModel(type.name, staticPart, folders);
  ReadUsedBlock(file, type);
  type.models.push_back(model);
  LoadTextures();
  const int count = file.CountChildNodes("Modell_X");
  for (int i = 0; i < count; ++i) {
    type.characters.push_back(MakeCharacter(type.name, Text(file.GetChildNodeAt("Modell_X", i)), folders));
  }
  ReadEventFigures(file, folders, type);
}
