#pragma once
// One texture of the asset registry: the file a model (or a light-map
// search) named and, once loaded, its texture. Entries are allocated singly
// and never move, so sub-meshes keep pointers to them; the texture itself is
// filled in later, possibly on a loading thread while the window thread
// draws, so it is read and written under the entry's own lock.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>

namespace plat {
class Texture;
class Surface;
}  // namespace plat

// Copies text into a fixed, zero-terminated field of capacity bytes, cut
// to capacity - 1 characters.
inline void CopyTextField(char* field, std::size_t capacity, std::string_view text) {
  const std::size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
  std::memcpy(field, text.data(), n);
  field[n] = '\0';
}

struct TextureEntry {
  char fileName[255] = {};   // without folder; the key of sharing
  char ownerName[255] = {};  // the 3D object a light map belongs to
  char mapName[258] = {};    // the texture map that made the entry
  std::uint8_t borrowed = 0;  // texture, surface and extra came from another entry
  std::uint8_t lightMap = 0;

  std::shared_ptr<plat::Texture> GetTexture() const {
    std::lock_guard lock(m_mutex);
    return m_texture;
  }
  std::shared_ptr<plat::Surface> GetSurface() const {
    std::lock_guard lock(m_mutex);
    return m_surface;
  }
  std::shared_ptr<void> GetExtra() const {
    std::lock_guard lock(m_mutex);
    return m_extra;
  }
  bool HasTexture() const {
    std::lock_guard lock(m_mutex);
    return m_texture != nullptr;
  }
  void Set(std::shared_ptr<plat::Texture> texture, std::shared_ptr<plat::Surface> surface,
           std::shared_ptr<void> extra) {
    std::lock_guard lock(m_mutex);
    m_texture = std::move(texture);
    m_surface = std::move(surface);
    m_extra = std::move(extra);
  }

 private:
  mutable std::mutex m_mutex;
  std::shared_ptr<plat::Texture> m_texture;
  std::shared_ptr<plat::Surface> m_surface;
  std::shared_ptr<void> m_extra;  // nothing sets it but sharing; kept for the entry layout
};
