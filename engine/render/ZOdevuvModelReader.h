#pragma once
// Reads one of the engine's binary model files into a game object: mesh
// objects become 3D objects, texture maps registry entries, node trees
// node trees, and lights are added to the light manager. The file is read
// into memory first and nothing in it is trusted: every length, count and
// nesting depth is checked against the bytes that are left. A file that
// breaks off or lies about its sizes keeps the records read before the
// fault and shows "Model Load Error" with its path; a missing file leaves
// the game object empty without a word.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/render/ModelRecords.h"
#include "platform/gfx/LightTypes.h"
#include "platform/math/Types.h"

class ZOdevuv3DObject;
class ZOdevuvGameObject;
class ZOdevuvLightManager;
class ZOdevuvNode;

class ZOdevuvModelReader {
 public:
  static constexpr int kMaxNodeDepth = 64;
  static constexpr int kMaxMaterialDepth = 16;
  static constexpr std::size_t kMaxFileSize = 256u * 1024 * 1024;

  // What the records read may allocate: this many bytes per byte of the
  // file, and a fixed allowance for small files. A record is at least one
  // byte (a clear flag) yet may keep hundreds of bytes, so counts alone do
  // not bound the memory a hostile file takes.
  static constexpr std::size_t kAllocationPerFileByte = 32;
  static constexpr std::size_t kAllocationAllowance = 4u * 1024 * 1024;

  // The file's bytes with a read position and an allocation budget. A read
  // past the end, a negative length, a count larger than the bytes left
  // could hold or a record beyond the budget breaks the stream: that read
  // and every later one give zeros.
  class Stream {
   public:
    Stream(const std::uint8_t* data, std::size_t size)
        : m_data(data), m_size(size), m_budget(size * kAllocationPerFileByte + kAllocationAllowance) {}
    bool Ok() const { return !m_broken; }
    void Break() { m_broken = true; }
    // Takes bytes from the allocation budget; false (and broken) beyond it.
    bool Charge(std::size_t bytes);
    std::size_t Left() const { return m_broken ? 0 : m_size - m_pos; }

    std::uint8_t U8();
    bool Flag() { return U8() != 0; }
    std::int32_t I32();
    float F32();
    void Skip(std::size_t bytes);
    // A 32-bit length and that many bytes.
    std::string String();
    // A count of records of at least minBytes each; a negative count is an
    // empty list, one the rest of the file cannot hold breaks the stream.
    std::int32_t Count(std::size_t minBytes);

   private:
    bool Take(std::size_t bytes, const std::uint8_t** at);

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    std::size_t m_budget;
    bool m_broken = false;
  };

  ZOdevuvModelReader() = default;

  // The result only says whether the file could be opened.
  bool ReadFile(const char* path, ZOdevuvGameObject* object, ZOdevuvLightManager* lights);
  // The same on bytes already in memory; name is what a fault message shows.
  // False when the bytes were malformed.
  bool ReadBytes(const std::uint8_t* data, std::size_t size, std::string_view name,
                 ZOdevuvGameObject* object, ZOdevuvLightManager* lights);

  // Each returns true when its record was present (and, for mesh objects,
  // kept).
  bool ReadMeshObject(Stream& file, ZOdevuv3DObject* object);
  bool ReadNode(Stream& file, ZOdevuvNode* node, int depth);
  bool ReadLight(Stream& file, plat::Light* light);
  bool ReadMaterial(Stream& file, ModelMaterialRecord* record, int depth);
  bool ReadTextureMap(Stream& file, ModelTextureMapRecord* record);
  bool ReadLightProperty(Stream& file, plat::Light* light, int index);
  bool ReadBounds(Stream& file, plat::Vec3* corners, int count, plat::Vec3* min, plat::Vec3* max);
  void ReadMatrix(Stream& file, plat::Matrix* matrix);

  float GetVersion() const { return m_version; }
  // The number in the last five bytes ("1.01", "1.0  "); 0 when there is
  // none or the file is shorter.
  static float ParseVersion(const std::uint8_t* data, std::size_t size);

 private:
  bool HasNodeTrees() const { return m_version >= 1.0f; }
  bool HasSecondTexCoords() const { return m_version >= 1.01f; }
  void ReadMeshes(Stream& file, ZOdevuv3DObject* object);
  void ReadNodeGeometry(Stream& file, ZOdevuv3DObject* object);
  void ReadKeys(Stream& file, ZOdevuvNode* node, const std::string& name);

  ZOdevuvGameObject* m_object = nullptr;
  float m_version = 1.0f;
};
