#include "engine/render/ZOdevuvAssetPaths.h"

#include <cstring>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/TextureLoader.h"

namespace {

// A full mip chain in the managed pool, size and format from the file, no
// colour key. On failure the entry is left without texture.
bool LoadTextureFile(const char* path, TextureEntry* entry) {
  plat::Device* device = EngineDevice();
  std::shared_ptr<plat::Texture> texture;
  if (device) {
    plat::TextureLoadOptions options;
    options.width = 0;
    options.height = 0;
    texture = plat::CreateTextureFromFileEx(*device, path, options, nullptr);
  }
  if (!texture) {
    entry->Set(nullptr, nullptr, nullptr);
    return false;
  }
  std::shared_ptr<plat::Surface> surface = texture->GetSurfaceLevel(0);
  entry->Set(std::move(texture), std::move(surface), nullptr);
  return true;
}

}  // namespace

ZOdevuvAssetPaths::ZOdevuvAssetPaths() { g_assetPaths = this; }

ZOdevuvAssetPaths::~ZOdevuvAssetPaths() {
  Clear();
  if (g_assetPaths == this) g_assetPaths = nullptr;
}

void ZOdevuvAssetPaths::SetModelPath(const char* path) {
  std::lock_guard lock(m_mutex);
  m_modelFolder = path;
}

void ZOdevuvAssetPaths::SetSecondPath(const char* path) {
  std::lock_guard lock(m_mutex);
  m_lightMapFolder = path;
}

EngineString ZOdevuvAssetPaths::GetModelFolder() const {
  std::lock_guard lock(m_mutex);
  return m_modelFolder;
}

EngineString ZOdevuvAssetPaths::GetLightMapFolder() const {
  std::lock_guard lock(m_mutex);
  return m_lightMapFolder;
}

TextureEntry* ZOdevuvAssetPaths::GetTextureByIndex(int32_t index) const {
  std::lock_guard lock(m_mutex);
  if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()) return nullptr;
  return m_entries[static_cast<std::size_t>(index)].get();
}

TextureEntry* ZOdevuvAssetPaths::FindTexture(const char* ownerName) const {
  if (!ownerName || !*ownerName) return nullptr;
  std::lock_guard lock(m_mutex);
  for (const auto& entry : m_entries) {
    if (std::strcmp(entry->ownerName, ownerName) == 0) return entry.get();
  }
  return nullptr;
}

int32_t ZOdevuvAssetPaths::AddEntry(std::unique_ptr<TextureEntry> entry) {
  std::lock_guard lock(m_mutex);
  m_entries.push_back(std::move(entry));
  return static_cast<int32_t>(m_entries.size()) - 1;
}

int32_t ZOdevuvAssetPaths::GetEntryCount() const {
  std::lock_guard lock(m_mutex);
  return static_cast<int32_t>(m_entries.size());
}

bool ZOdevuvAssetPaths::ShareLoadedTexture(TextureEntry* entry) const {
  if (!entry) return false;
  const TextureEntry* match = nullptr;
  {
    std::lock_guard lock(m_mutex);
    for (const auto& other : m_entries) {
      if (other.get() != entry && std::strcmp(other->fileName, entry->fileName) == 0) {
        match = other.get();
        break;
      }
    }
  }
  if (!match || !match->HasTexture()) return false;
  entry->Set(match->GetTexture(), match->GetSurface(), match->GetExtra());
  entry->borrowed = 1;
  return true;
}

bool ZOdevuvAssetPaths::LoadTexture(const char* path, TextureEntry* entry) const {
  if (!entry) return false;
  if (ShareLoadedTexture(entry)) return true;
  return LoadTextureFile(path, entry);
}

std::vector<TextureEntry*> ZOdevuvAssetPaths::TakeUnloaded() {
  std::lock_guard lock(m_mutex);
  std::vector<TextureEntry*> entries;
  for (std::size_t i = m_firstUnloaded; i < m_entries.size(); ++i) entries.push_back(m_entries[i].get());
  m_firstUnloaded = m_entries.size();
  return entries;
}

void ZOdevuvAssetPaths::LoadTextures() {
  const EngineString folder = GetModelFolder();
  for (TextureEntry* entry : TakeUnloaded()) {
    if (ShareLoadedTexture(entry) || entry->HasTexture()) continue;
    const EngineString path = folder + "\\" + entry->fileName;
    entry->borrowed = 0;
    LoadTextureFile(path.CStr(), entry);
  }
}

void ZOdevuvAssetPaths::Clear() {
  std::lock_guard lock(m_mutex);
  m_entries.clear();
}
