// The character manager's set-up: names, thoughts, and one template with
// its shared model per kind; and the making of new characters from them.
#include <memory>

#include "characters/CPorvikAiClass.h"
#include "characters/CPorvikAiClassHost.h"
#include "characters/CharacterTemplate.h"
#include "characters/CharacterTexts.h"
#include "characters/REraduzizVisitor.h"
#include "engine/animation/CAnimInstance.h"
#include "engine/animation/CMultiAnim.h"
#include "engine/animation/CMultiAnimAllocateHierarchy.h"
#include "engine/core/Globals.h"
#include "engine/particles/ZOdevuvParticleSystem.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/TextureLoader.h"
#include "platform/os/Clock.h"
#include "platform/os/DebugOutput.h"

namespace {

constexpr const char* kCharactersFolder = "\\characters";
constexpr const char* kThoughtFile = "\\Scenes\\thought\\Thought_NL.xml";
constexpr const char* kStartSet = "idle";

int32_t DrawVariant(int32_t max) {
  const int32_t n = int32_t(RandomFloat(0, float(max))) + 1;
  return n > max ? max : n;
}

}  // namespace

void CPorvikAiClass::Init() {
  plat::OutputDebugString("CPorvikAiClass::Init\n");
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  if (host) {
    host->GetTexts().LoadNames(host->GetBaseFolder());
    host->GetTexts().LoadThoughts(host->GetBaseFolder() + kThoughtFile);
  }
  m_capacity = 0;
  m_visitorCount = 0;
  m_lastSpawnTick = plat::TickCount();
  m_nextId = kFirstVisitorId;
  m_spawn = AiObjectRecord{};
  m_spawn.objectId = kNoSpawnPoint;
  m_charactersFolder = m_workingFolder + kCharactersFolder;
  m_hierarchy->SetModelFolder(m_charactersFolder);
  for (const CharacterTemplate& entry : CharacterTemplates()) {
    m_modelPaths.push_back(m_charactersFolder + entry.folder + entry.modelFile);
    LoadCharacterTemplate(entry.id, m_modelPaths.back(), entry.kind);
  }
  PreloadTextures();
  plat::OutputDebugString("AI init end\n");
}

bool CPorvikAiClass::LoadCharacterTemplate(int32_t id, const EngineString& path, int32_t kind) {
  auto model = std::make_unique<CMultiAnim>();
  if (!LoadCharacterModel(*model, path)) return false;
  auto character = std::make_unique<REraduzizVisitor>();
  if (!SetupCharacterModel(id, *character, *model, {}, kind, false)) {
    // The instance the failed set-up may have made belongs to the model.
    character.reset();
    model->Cleanup(m_hierarchy.get());
    return false;
  }
  AdoptCharacter(std::move(character));
  m_models.push_back({std::move(model), kind});
  return true;
}

bool CPorvikAiClass::LoadCharacterModel(CMultiAnim& model, const EngineString& path) {
  return model.Load(path, m_hierarchy.get()) == plat::kMeshOk;
}

bool CPorvikAiClass::SetupCharacterModel(int32_t id, REraduzizVisitor& character, CMultiAnim& model,
                                         const plat::Vec3& position, int32_t kind, bool visible) {
  if (character.Setup(&model, 0, 0.0, position.x, position.y, position.z, 0.0f, 0, false) != plat::kMeshOk) {
    return false;
  }
  const int32_t idle = character.FindAnimationSet(kStartSet);
  if (idle >= 0) character.PlayIdle(true);
  character.SetAttachedFlag(false);
  GiveOwnTextures(character, kind);
  character.SetPosition(position);
  character.SetTargetPosition(position.x, position.y, position.z);
  if (visible) {
    character.SetVisible();
  } else {
    character.SetHidden();
  }
  character.SetId(id);
  character.SetKind(kind);
  const CharacterTemplate* entry = FindCharacterTemplate(kind);
  character.SetupForKind(kind, entry ? entry->spawnGroup : CharacterTemplate::kNoSpawnGroup);
  return true;
}

void CPorvikAiClass::GiveOwnTextures(REraduzizVisitor& character, int32_t kind) {
  const CharacterTemplate* entry = FindCharacterTemplate(kind);
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  CAnimInstance* instance = character.GetAnimInstance();
  if (!entry || !entry->HasOwnTextures() || !host || !instance) return;
  std::vector<std::shared_ptr<plat::Texture>> textures(REraduzizVisitor::kOwnTextureSlots);
  const std::vector<EngineString> names = DrawTextureNames(*entry, DrawVariant);
  for (std::size_t i = 0; i < names.size() && i < textures.size(); ++i) {
    textures[i] = CachedTexture(host->GetBaseFolder() + names[i]);
  }
  instance->SetOwnTextures(std::move(textures));
  character.SetAttachedFlag(true);
}

void CPorvikAiClass::PreloadTextures() {
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  if (!host) return;
  for (const ModelEntry& entry : m_models) {
    const CharacterTemplate* found = FindCharacterTemplate(entry.kind);
    if (!found) continue;
    for (const EngineString& name : AllTextureNames(*found)) CachedTexture(host->GetBaseFolder() + name);
  }
}

std::shared_ptr<plat::Texture> CPorvikAiClass::CachedTexture(const EngineString& path) {
  const auto found = m_textures.find(path.Std());
  if (found != m_textures.end()) return found->second;
  std::shared_ptr<plat::Texture> texture;
  plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  std::string error;
  if (device) texture = plat::CreateTextureFromFile(*device, path.Std(), &error);
  if (!texture) plat::OutputDebugString("character texture not loaded: " + path.Std() + "\n");
  // A file that failed stays empty rather than being tried for every visitor.
  m_textures[path.Std()] = texture;
  return texture;
}

int32_t CPorvikAiClass::FindModelIndex(int32_t kind) const {
  for (std::size_t i = 0; i < m_models.size(); ++i) {
    if (m_models[i].kind == kind) return int32_t(i);
  }
  return -1;
}

REraduzizVisitor* CPorvikAiClass::CreateVisitor(int32_t id, int32_t kind, const plat::Vec3& position) {
  const int32_t index = FindModelIndex(kind);
  if (index < 0) return nullptr;
  auto character = std::make_unique<REraduzizVisitor>();
  if (!SetupCharacterModel(id, *character, *m_models[std::size_t(index)].model, position, kind, true)) {
    return nullptr;
  }
  character->SetWalkFactor(CreatedWalkFactor(kind, character->GetWalkFactor()));
  return AdoptCharacter(std::move(character));
}
