#include "world/CLandscapeCell.h"

#include <cstring>

#include "engine/core/SceneStream.h"

namespace {

enum Bound { kMinX, kMaxX, kMinZ, kMaxZ };

// Two 16-bit values in one little-endian 32-bit word, the first in the low half.
int32_t PackWord(uint16_t low, uint16_t high) { return static_cast<int32_t>(uint32_t(low) | uint32_t(high) << 16); }
uint16_t LowHalf(int32_t word) { return static_cast<uint16_t>(uint32_t(word) & 0xFFFFu); }
uint16_t HighHalf(int32_t word) { return static_cast<uint16_t>(uint32_t(word) >> 16); }

}  // namespace

CLandscapeCell::CLandscapeCell() = default;

void CLandscapeCell::Setup(float x, float y, float z, uint16_t type) {
  m_position = {x, y, z};
  m_type = type;
  m_bounds[kMinX] = x - kHalfSide;
  m_bounds[kMaxX] = x + kHalfSide;
  m_bounds[kMinZ] = z - kHalfSide;
  m_bounds[kMaxZ] = z + kHalfSide;
}

uint16_t CLandscapeCell::GetLayer(int n) const { return n >= 1 && n <= kLayerCount ? m_layers[n - 1] : 0; }

void CLandscapeCell::SetLayer(int n, uint16_t value) {
  if (n >= 1 && n <= kLayerCount) m_layers[n - 1] = value;
}

bool CLandscapeCell::ContainsPoint(float x, float /*y*/, float z) const {
  return m_bounds[kMinX] <= x && x <= m_bounds[kMaxX] && m_bounds[kMinZ] <= z && z <= m_bounds[kMaxZ];
}

void CLandscapeCell::SetName(const char* name) {
  std::memset(m_name, 0, sizeof m_name);
  if (name) std::strncpy(m_name, name, kNameBytes - 1);
}

void CLandscapeCell::AddObject(const CAttraction* object, const PlacedObjectAccess& objects) {
  if (object && objects.idOf) m_objectIds.push_back(objects.idOf(*object));
}

CAttraction* CLandscapeCell::GetLowestObject(const PlacedObjectAccess& objects) const {
  if (!objects.findById || !objects.fillValueOf) return nullptr;
  CAttraction* lowest = nullptr;
  int32_t lowestFill = kLowestFillLimit;
  for (int32_t id : m_objectIds) {
    CAttraction* object = objects.findById(id);
    if (!object) continue;
    const int32_t fill = objects.fillValueOf(*object);
    if (fill < lowestFill) {
      lowest = object;
      lowestFill = fill;
    }
  }
  return lowest;
}

void CLandscapeCell::Save(SceneStream& stream) const {
  stream.WriteVec3(m_position);
  stream.WriteInt32(m_type);  // the type and two zero padding bytes
  stream.WriteInt32(m_objectId);
  stream.WriteInt32(PackWord(m_layers[0], m_layers[1]));
  stream.WriteInt32(PackWord(m_layers[1], m_layers[2]));
  stream.WriteBytes(m_name, sizeof m_name);
  for (float bound : m_bounds) stream.WriteFloat(bound);
  stream.WriteFloat(m_bounds[kMaxZ]);
  stream.WriteInt32(static_cast<int32_t>(m_objectIds.size()));
  for (int32_t id : m_objectIds) stream.WriteInt32(id);
}

bool CLandscapeCell::Load(SceneStream& stream, const PlacedObjectAccess& objects) {
  m_objectIds.clear();
  m_position = stream.ReadVec3();
  m_type = LowHalf(stream.ReadInt32());
  m_objectId = stream.ReadInt32();
  const int32_t firstLayers = stream.ReadInt32();
  const int32_t secondLayers = stream.ReadInt32();
  // The second word repeats layer 2; it is the one that counts.
  m_layers[0] = LowHalf(firstLayers);
  m_layers[1] = LowHalf(secondLayers);
  m_layers[2] = HighHalf(secondLayers);
  stream.ReadBytes(m_name, sizeof m_name);
  m_name[kNameBytes - 1] = '\0';
  for (float& bound : m_bounds) bound = stream.ReadFloat();
  m_bounds[kMaxZ] = stream.ReadFloat();
  const int32_t count = stream.ReadCount(kMaxSavedObjects);
  for (int32_t n = 0; n < count && stream.Good(); ++n) {
    const int32_t id = stream.ReadInt32();
    if (stream.Good() && objects.findById && objects.findById(id)) m_objectIds.push_back(id);
  }
  return stream.Good();
}
