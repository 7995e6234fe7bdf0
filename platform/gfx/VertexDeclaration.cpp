#include "platform/gfx/VertexDeclaration.h"

#include <algorithm>

namespace plat {

namespace {

// Floats per texture coordinate set from the TEXCOORDSIZE bits of the FVF.
std::uint32_t TexCoordFloats(std::uint32_t fvf, std::uint32_t set) {
  switch ((fvf >> (16 + set * 2)) & 0x3) {
    case 0:
      return 2;
    case 1:
      return 3;
    case 2:
      return 4;
    default:
      return 1;
  }
}

DeclType FloatType(std::uint32_t floats) {
  switch (floats) {
    case 1:
      return DeclType::Float1;
    case 2:
      return DeclType::Float2;
    case 3:
      return DeclType::Float3;
    default:
      return DeclType::Float4;
  }
}

// Blend weights that come with the XYZBn position forms.
std::uint32_t BlendWeights(std::uint32_t fvf) {
  std::uint32_t position = fvf & Fvf::PositionMask;
  if (position < Fvf::XyzB1 || position > Fvf::XyzB5) return 0;
  return (position - Fvf::XyzB1) / 2 + 1;
}

}  // namespace

std::vector<VertexElement> FvfElements(std::uint32_t fvf) {
  std::vector<VertexElement> out;
  std::uint16_t offset = 0;
  auto add = [&](DeclType type, DeclUsage usage, std::uint8_t index = 0) {
    out.push_back({0, offset, type, usage, index});
    offset = std::uint16_t(offset + DeclTypeSize(type));
  };
  std::uint32_t position = fvf & Fvf::PositionMask;
  if (position == Fvf::XyzRhw) {
    add(DeclType::Float4, DeclUsage::PositionT);
  } else if (position == Fvf::XyzW) {
    add(DeclType::Float4, DeclUsage::Position);
  } else if (position != 0) {
    add(DeclType::Float3, DeclUsage::Position);
  }
  if (std::uint32_t weights = BlendWeights(fvf)) {
    bool lastIsIndices = fvf & (Fvf::LastBetaUByte4 | Fvf::LastBetaD3dColor);
    std::uint32_t floats = lastIsIndices ? weights - 1 : weights;
    if (floats > 0) add(FloatType(floats), DeclUsage::BlendWeight);
    if (lastIsIndices) {
      add(fvf & Fvf::LastBetaUByte4 ? DeclType::UByte4 : DeclType::D3dColor,
          DeclUsage::BlendIndices);
    }
  }
  if (fvf & Fvf::Normal) add(DeclType::Float3, DeclUsage::Normal);
  if (fvf & Fvf::PSize) add(DeclType::Float1, DeclUsage::PSize);
  if (fvf & Fvf::Diffuse) add(DeclType::D3dColor, DeclUsage::Color, 0);
  if (fvf & Fvf::Specular) add(DeclType::D3dColor, DeclUsage::Color, 1);
  std::uint32_t sets = std::min<std::uint32_t>((fvf & Fvf::TexCountMask) >> Fvf::TexCountShift, 8);
  for (std::uint32_t i = 0; i < sets; ++i) {
    add(FloatType(TexCoordFloats(fvf, i)), DeclUsage::TexCoord, std::uint8_t(i));
  }
  return out;
}

std::uint32_t FvfStride(std::uint32_t fvf) {
  std::uint32_t stride = 0;
  for (const VertexElement& e : FvfElements(fvf)) stride += DeclTypeSize(e.type);
  return stride;
}

std::shared_ptr<VertexDeclaration> VertexDeclaration::Create(std::vector<VertexElement> elements) {
  if (elements.empty()) return nullptr;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const VertexElement& a = elements[i];
    if (DeclTypeSize(a.type) == 0) return nullptr;
    for (std::size_t j = i + 1; j < elements.size(); ++j) {
      const VertexElement& b = elements[j];
      bool overlap = a.stream == b.stream && a.offset < b.offset + DeclTypeSize(b.type) &&
                     b.offset < a.offset + DeclTypeSize(a.type);
      if (overlap) return nullptr;
    }
  }
  return std::shared_ptr<VertexDeclaration>(new VertexDeclaration(std::move(elements)));
}

VertexDeclaration::VertexDeclaration(std::vector<VertexElement> elements)
    : elements_(std::move(elements)) {}

std::uint32_t VertexDeclaration::StreamSize(std::uint16_t stream) const {
  std::uint32_t size = 0;
  for (const VertexElement& e : elements_) {
    if (e.stream == stream) size = std::max(size, std::uint32_t(e.offset) + DeclTypeSize(e.type));
  }
  return size;
}

const VertexElement* VertexDeclaration::Find(DeclUsage usage, std::uint8_t usageIndex) const {
  for (const VertexElement& e : elements_) {
    if (e.usage == usage && e.usageIndex == usageIndex) return &e;
  }
  return nullptr;
}

}  // namespace plat
