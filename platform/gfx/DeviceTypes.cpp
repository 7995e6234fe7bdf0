#include "platform/gfx/DeviceTypes.h"

namespace plat {

std::uint32_t VertexCountFor(PrimitiveType type, std::uint32_t primitiveCount) {
  if (primitiveCount == 0) return 0;
  switch (type) {
    case PrimitiveType::PointList:
      return primitiveCount;
    case PrimitiveType::LineList:
      return primitiveCount * 2;
    case PrimitiveType::LineStrip:
      return primitiveCount + 1;
    case PrimitiveType::TriangleList:
      return primitiveCount * 3;
    case PrimitiveType::TriangleStrip:
    case PrimitiveType::TriangleFan:
      return primitiveCount + 2;
  }
  return 0;
}

std::uint32_t DeclTypeSize(DeclType type) {
  switch (type) {
    case DeclType::Float1:
      return 4;
    case DeclType::Float2:
      return 8;
    case DeclType::Float3:
      return 12;
    case DeclType::Float4:
      return 16;
    case DeclType::D3dColor:
    case DeclType::UByte4:
    case DeclType::UByte4N:
    case DeclType::Short2:
      return 4;
    case DeclType::Short4:
      return 8;
    case DeclType::Unused:
      return 0;
  }
  return 0;
}

bool operator==(const VertexElement& a, const VertexElement& b) {
  return a.stream == b.stream && a.offset == b.offset && a.type == b.type && a.usage == b.usage &&
         a.usageIndex == b.usageIndex;
}

}  // namespace plat
