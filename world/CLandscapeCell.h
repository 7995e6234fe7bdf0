#pragma once
// One 4 by 4 cell of the land's grid: what stands on it (nothing, a footpath
// or part of a placed object), its three layer values (layer 1 of a footpath
// is its litter state), a name, and the placed objects planted in it.
#include <cstdint>
#include <vector>

#include "platform/math/Types.h"
#include "world/PlacedObjectAccess.h"

class SceneStream;

class CLandscapeCell {
 public:
  // Cell types.
  static constexpr uint16_t kTypeNone = 0;
  static constexpr uint16_t kTypePath = 1;
  static constexpr uint16_t kTypeToolCell = 2;  // counted as path, not walkable
  static constexpr uint16_t kTypePathSecondStyle = 5;
  // Litter states of layer 1 (0 counts as clean).
  static constexpr uint16_t kClean = 1;
  static constexpr uint16_t kDirty = 2;
  static constexpr int32_t kNoObject = -1;
  static constexpr int kNameBytes = 100;
  static constexpr float kHalfSide = 2.0f;
  // The most planted objects one saved cell may list.
  static constexpr int32_t kMaxSavedObjects = 4096;

  CLandscapeCell();

  void Setup(float x, float y, float z, uint16_t type);

  uint16_t GetType() const { return m_type; }
  void SetType(uint16_t type) { m_type = type; }
  // n = 1, 2, 3; other n read 0 and write nothing.
  uint16_t GetLayer(int n) const;
  void SetLayer(int n, uint16_t value);
  bool IsPath() const { return IsPathType(m_type); }
  static bool IsPathType(uint16_t type) { return type == kTypePath || type == kTypePathSecondStyle; }
  // Path cells and tool cells: the cells the path count counts.
  bool IsCountedAsPath() const { return IsPath() || m_type == kTypeToolCell; }
  bool IsLittered() const { return m_layers[0] == kDirty; }

  int32_t GetObjectId() const { return m_objectId; }
  void SetObjectId(int32_t id) { m_objectId = id; }
  bool HasObject() const { return m_objectId != kNoObject; }
  bool IsObjectIdSet() const { return HasObject(); }

  plat::Vec3 GetPosition() const { return m_position; }
  // Inside the cell's bounds on x and z (edges included); y is ignored.
  bool ContainsPoint(float x, float y, float z) const;

  // Always zero-terminated; longer names are cut to 99 characters.
  const char* GetName() const { return m_name; }
  void SetName(const char* name);

  // The planted objects are kept by id, so that one removed from the park
  // is never reached through a stale pointer; look-ups go through objects.
  void AddObject(const CAttraction* object, const PlacedObjectAccess& objects);
  const std::vector<int32_t>& GetObjectIds() const { return m_objectIds; }
  // Of the planted objects that still exist, the first with the smallest fill
  // value below 1000; null when none is below 1000.
  CAttraction* GetLowestObject(const PlacedObjectAccess& objects) const;

  // The cell's record in the saved scene (152 bytes + 4 per planted object).
  void Save(SceneStream& stream) const;
  // Reads a record written by Save. Listed ids without a placed object are
  // dropped. False at the first stream error or an impossible object count,
  // with the cell then in an unspecified but safe state.
  bool Load(SceneStream& stream, const PlacedObjectAccess& objects);

 private:
  static constexpr int kLayerCount = 3;
  static constexpr int32_t kLowestFillLimit = 1000;

  plat::Vec3 m_position;
  uint16_t m_type = kTypeNone;
  int32_t m_objectId = kNoObject;
  uint16_t m_layers[kLayerCount] = {};
  char m_name[kNameBytes] = {};
  float m_bounds[4] = {};
  std::vector<int32_t> m_objectIds;
};
