#pragma once
// The asset registry singleton: the folders model textures and light maps
// are loaded from, and every texture a model names. Models add entries
// while they are read; LoadTextures loads the ones added since its last
// call in one batch, and entries naming the same file share one texture.
// Loading threads add entries while the window thread draws, so the list
// is guarded by a lock (entries themselves never move).
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/render/TextureEntry.h"

class ZOdevuvAssetPaths {
 public:
  // Stores itself in its singleton slot.
  ZOdevuvAssetPaths();
  ~ZOdevuvAssetPaths();
  ZOdevuvAssetPaths(const ZOdevuvAssetPaths&) = delete;
  ZOdevuvAssetPaths& operator=(const ZOdevuvAssetPaths&) = delete;

  void SetModelPath(const char* path);
  void SetSecondPath(const char* path);
  EngineString GetModelFolder() const;
  EngineString GetLightMapFolder() const;

  // Null when the index is negative or not below the entry count.
  TextureEntry* GetTextureByIndex(int32_t index) const;
  // The first entry whose owner name is exactly the text; null for an empty text.
  TextureEntry* FindTexture(const char* ownerName) const;
  // Takes ownership; returns the new entry's registry index.
  int32_t AddEntry(std::unique_ptr<TextureEntry> entry);
  int32_t GetEntryCount() const;

  // Borrows the texture of the first other entry with the same file name;
  // false when there is none or that one has no texture.
  bool ShareLoadedTexture(TextureEntry* entry) const;
  // Shares when it can, else loads the file at the (game) path.
  bool LoadTexture(const char* path, TextureEntry* entry) const;
  // Loads every entry added since the last call from the model folder.
  void LoadTextures();
  void Clear();

 private:
  // The entries added since the last call, each handed to one caller only
  // (two loading threads never load the same entry).
  std::vector<TextureEntry*> TakeUnloaded();

  mutable std::mutex m_mutex;
  std::vector<std::unique_ptr<TextureEntry>> m_entries;
  EngineString m_modelFolder;
  EngineString m_lightMapFolder;
  std::size_t m_firstUnloaded = 0;  // guarded by m_mutex
};
